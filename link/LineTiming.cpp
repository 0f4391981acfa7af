#include "link/LineTiming.h"

#include <cmath>

LineTiming::LineTiming(const LineSettings& settings) {
    float bits = 10000.0f;
    if (settings.parity_check_flag())
        bits += 1000.0f;
    if (settings.stop_bits == 2)
        bits += 1000.0f;
    char_time_ms_ = bits / static_cast<float>(settings.baud_rate);
    read_interval_ms_ = static_cast<int>(std::ceil(1.5f * char_time_ms_));
    read_multiplier_ms_ = static_cast<int>(std::ceil(read_interval_ms_ + char_time_ms_));
    reply_timeout_ms_ = static_cast<std::uint16_t>(read_multiplier_ms_ * 30 + 50);
}

std::chrono::nanoseconds LineTiming::wire_time(std::size_t count) const {
    const double ns = static_cast<double>(char_time_ms_) * 1e6 * static_cast<double>(count);
    return std::chrono::nanoseconds(static_cast<std::int64_t>(std::ceil(ns)));
}
