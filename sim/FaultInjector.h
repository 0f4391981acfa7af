#pragma once
// Turns the controller's reply into what the line carries under the
// switched-on faults.

#include "sim/FaultSettings.h"
#include "sim/RequestHandler.h"

#include <chrono>
#include <random>
#include <string>

class FaultInjector {
public:
    struct Outcome {
        std::string text;                 //!< empty: nothing is sent
        std::chrono::milliseconds delay{0};
        bool hangUp = false;              //!< close the line instead
    };

    explicit FaultInjector(unsigned seed = 1) : random_(seed) {}

    void Set(const FaultSettings& settings);
    const FaultSettings& Settings() const { return settings_; }
    // Counts a request; reply empty when the controller itself is silent.
    Outcome Apply(const std::optional<RequestHandler::Reply>& reply);

private:
    bool Roll(int percent);
    std::string Garbage();
    std::string Send(RequestHandler::Reply reply);

    FaultSettings settings_;
    long requests_ = 0;
    std::mt19937 random_;
};
