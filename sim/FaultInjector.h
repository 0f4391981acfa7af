#pragma once
// Turns the controller's reply into what the line carries under the
// switched-on faults.

#include "sim/FaultSettings.h"
#include "sim/RequestHandler.h"

#include <chrono>
#include <random>
#include <string>
#include <vector>

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
    // Counts a request; replies empty when every controller is silent.
    // Several replies at once overlap on the line: the master hears one
    // garbled frame.
    Outcome Apply(const std::vector<RequestHandler::Reply>& replies);

private:
    bool Roll(int percent);
    std::string Garbage();
    std::string Send(RequestHandler::Reply reply);
    static std::string Collision(const std::vector<RequestHandler::Reply>& replies);

    FaultSettings settings_;
    long requests_ = 0;
    std::mt19937 random_;
};
