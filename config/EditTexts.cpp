#include "config/EditTexts.h"

#include "params/NumberFormats.h"
#include "params/Parameter.h"
#include "util/NumberText.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Limits of a time value are seconds; they read as minutes:seconds.
std::string MinutesSeconds(double seconds) {
    const double whole = std::max(0.0, std::floor(seconds));
    const auto total = static_cast<unsigned long long>(std::min(whole, 1e15));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02llu:%02llu", total / 60, total % 60);
    return buffer;
}

} // namespace

std::string LimitsText(const Parameter& p, int decimals) {
    return FormatFixed(p.lower, decimals) + " до " + FormatFixed(p.upper, decimals);
}

std::string RangeMessage(const Parameter& p, const std::string& text) {
    const std::string head =
        "Параметру " + p.name + " не может быть присвоено значение " + text + ".\n";
    if (EqualsNoCase(p.format, kClockFormat))
        return head + "Значение должно быть от " + MinutesSeconds(p.lower) + " до " +
               MinutesSeconds(p.upper) + ".";
    return head + "Значение должно быть от " + LimitsText(p, 3) + ".";
}

std::string PowerRoundedMessage(const std::string& rounded) {
    return "Мощность лежит в диапазоне от 0 до 1. Значение будет округлено до " + rounded;
}
