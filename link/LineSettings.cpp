#include "link/LineSettings.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<std::uint32_t, 15> kBaudRates = {110,   300,   600,   1200,   2400,
                                                      4800,  9600,  14400, 19200,  28800,
                                                      38400, 56000, 57600, 115200, 128000};
} // namespace

bool LineSettings::is_listed_baud_rate(std::uint32_t baud) {
    return std::find(kBaudRates.begin(), kBaudRates.end(), baud) != kBaudRates.end();
}

int LineSettings::check() const {
    if (parity_code < kParityOff || parity_code > kParitySpace)
        return -2;
    if (byte_size < 5 || byte_size > 8)
        return -3;
    if (stop_bits != 1 && stop_bits != 2)
        return -2;
    if (!is_listed_baud_rate(baud_rate))
        return -2;
    return 0;
}
