#include "util/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Blanks, then '+' (which from_chars does not take) unless a '-' follows it.
std::size_t NumberStart(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-' && text[i + 1] != '+')
        ++i;
    return i;
}

template <typename Real> std::size_t ReadReal(std::string_view text, Real& value) {
    const std::size_t start = NumberStart(text);
    Real parsed{};
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(),
                                              parsed, std::chars_format::general);
    if (error != std::errc{} || !std::isfinite(parsed))
        return 0;
    value = parsed;
    return static_cast<std::size_t>(end - text.data());
}

} // namespace

std::size_t ReadDouble(std::string_view text, double& value) {
    return ReadReal(text, value);
}

std::size_t ReadSingle(std::string_view text, float& value) {
    return ReadReal(text, value);
}

std::size_t ReadInteger(std::string_view text, long long& value) {
    const std::size_t start = NumberStart(text);
    long long parsed = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), parsed);
    if (error == std::errc::result_out_of_range) {
        const bool negative = text[start] == '-';
        parsed = negative ? std::numeric_limits<long long>::min()
                          : std::numeric_limits<long long>::max();
    } else if (error != std::errc{}) {
        return 0;
    }
    value = parsed;
    return static_cast<std::size_t>(end - text.data());
}

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

std::string FormatFixed(double value, int decimals) {
    char buffer[512]; // room for any double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return {};
    return std::string(buffer, end);
}
