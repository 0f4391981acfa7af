#pragma once
// Timing of the line derived from its settings: how long a character takes
// on the wire and how long to wait for the end of a reply.

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "link/LineSettings.h"

class LineTiming {
public:
    LineTiming() = default;
    explicit LineTiming(const LineSettings& settings);

    // Milliseconds per character: 10 bits, one more with the parity-check
    // flag, one more with two stop bits.
    float char_time_ms() const { return char_time_ms_; }
    int read_interval_ms() const { return read_interval_ms_; }
    int read_multiplier_ms() const { return read_multiplier_ms_; }
    // Time to wait for the end of a reply after the request has left.
    std::uint16_t reply_timeout_ms() const { return reply_timeout_ms_; }
    // Time count characters take on the wire.
    std::chrono::nanoseconds wire_time(std::size_t count) const;

private:
    float char_time_ms_ = 0.0f;
    int read_interval_ms_ = 0;
    int read_multiplier_ms_ = 0;
    std::uint16_t reply_timeout_ms_ = 0;
};
