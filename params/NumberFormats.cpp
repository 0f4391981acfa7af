#include "params/NumberFormats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaxWriteDecimals = 3;
constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0};
constexpr std::uint32_t kMantissaLimit = 1u << 28;
constexpr unsigned kMaxSmallValue = 0xFFFF;

// Blanks and control characters around a typed number are not part of it.
std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    return text;
}

// The whole text as a finite number; a leading '+' is allowed.
template <typename T> bool parse_whole(std::string_view text, T& value) {
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && stop == end && !text.empty();
}

bool parse_float(std::string_view text, float& value) {
    return parse_whole(text, value) && std::isfinite(value);
}

// The largest of 1..3 decimal places whose digit is not 0, else 0.
int significant_decimals(double magnitude) {
    int p = 0;
    for (int k = 1; k <= kMaxWriteDecimals; ++k)
        if (std::fmod(std::floor(magnitude * kPowersOfTen[k] + 0.5), 10.0) != 0.0)
            p = k;
    return p;
}

int put_small(unsigned value, std::uint8_t* data, int& length) {
    if (value > kMaxSmallValue)
        return 0;
    if (value < 256) {
        data[0] = static_cast<std::uint8_t>(value);
        length = 1;
    } else {
        data[0] = static_cast<std::uint8_t>(value >> 8);
        data[1] = static_cast<std::uint8_t>(value & 0xFF);
        length = 2;
    }
    return 1;
}

} // namespace

int stored_dot_to_data(std::string_view text, int decimals, std::uint8_t* data, int& length) {
    float x = 0.0f;
    if (!parse_float(text, x))
        return 0;
    const double magnitude = std::fabs(static_cast<double>(x));
    const int p =
        decimals > 0 ? std::min(decimals, kMaxWriteDecimals) : significant_decimals(magnitude);
    const double scaled = std::floor(magnitude * kPowersOfTen[p] + 0.5);
    if (scaled >= kMantissaLimit)
        return 0;
    const auto c = static_cast<std::uint32_t>(scaled);
    const int count = c < (1u << 12) ? 2 : c < (1u << 20) ? 3 : 4;
    const int sign = (x < 0 && c != 0) ? 0x80 : 0;
    data[0] = static_cast<std::uint8_t>(sign | p << 4 | ((c >> (8 * (count - 1))) & 0x0F));
    for (int i = 1; i < count; ++i)
        data[i] = static_cast<std::uint8_t>(c >> (8 * (count - 1 - i)));
    length = count;
    return 1;
}

std::string stored_dot_text(const std::uint8_t* data, int count) {
    const int value_bytes = count - 2; // the last two bytes are not part of the value
    float number = 0.0f;
    if (value_bytes >= 0 && value_bytes <= 8) {
        std::uint64_t mantissa = data[0] & 0x0F;
        for (int i = 1; i < value_bytes; ++i)
            mantissa = mantissa << 8 | data[i];
        number = static_cast<float>(mantissa);
        for (int p = (data[0] >> 4) & 7; p > 0; --p)
            number = static_cast<float>(number * 0.1);
        if (data[0] & 0x80)
            number = -number;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", number);
    return buffer;
}

int dec_dot_to_data(std::string_view text, std::uint8_t* data, int& length) {
    double value = 0.0;
    if (!parse_whole(text, value) || !std::isfinite(value))
        return 0;
    const double whole = std::trunc(value);
    if (std::fabs(value - whole) > kWholeNumberSlack || whole < 0 || whole > kMaxSmallValue)
        return 0;
    return put_small(static_cast<unsigned>(whole), data, length);
}

// Groups from the right count seconds, minutes, hours.
int clk_to_data(std::string_view text, std::uint8_t* data, int& length) {
    text = trimmed(text);
    std::uint64_t total = 0;
    std::uint64_t weight = 1;
    while (true) {
        const std::size_t colon = text.rfind(':');
        const std::string_view group =
            colon == std::string_view::npos ? text : text.substr(colon + 1);
        unsigned value = 0;
        const auto [stop, error] =
            std::from_chars(group.data(), group.data() + group.size(), value);
        if (group.empty() || error != std::errc{} || stop != group.data() + group.size())
            return 0;
        total += value * weight;
        if (total > kMaxSmallValue)
            return 0;
        if (colon == std::string_view::npos)
            break;
        text = text.substr(0, colon);
        weight *= 60;
        if (weight > kMaxSmallValue)
            return 0;
    }
    return put_small(static_cast<unsigned>(total), data, length);
}

bool small_value(const std::uint8_t* data, int count, unsigned& value) {
    if (count == 1 || count == 3) {
        value = data[0];
        return true;
    }
    if (count == 2 || count == 4) {
        value = static_cast<unsigned>(data[0] << 8 | data[1]);
        return true;
    }
    return false;
}

std::string clk_text(unsigned value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02u:%02u", value / 60, value % 60);
    return buffer;
}
