#pragma once
// Measured values that drift slowly, or the status code that stands in for
// a value whose input, computing block or regulator is switched off.

#include "sim/SimParameterBase.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string_view>

class Measurements {
public:
    using Clock = std::chrono::steady_clock;
    using Bytes = std::array<std::uint8_t, 4>;

    Measurements(SimParameterBase& base, Clock::time_point start) : base_(base), start_(start) {}

    static bool IsMeasurement(std::string_view name);
    // IEEE-754 single precision high byte first, or a status code in byte 0.
    Bytes Value(std::string_view name, int index, Clock::time_point now);

private:
    float Drift(int index, float middle, float swing, Clock::time_point now) const;
    int Choice(const char* name, int index);
    float Number(const char* name, int index);

    SimParameterBase& base_;
    Clock::time_point start_;
};
