#include "controls/CmyListCtrlTexts.h"

#include "util/NumberText.h"
#include "params/ControllerLinkSettings.h"
#include "params/NumberFormats.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace CmyListCtrlTexts {

namespace {

// Limits of a time value are seconds; they read as minutes:seconds.
std::string MinutesSeconds(double seconds) {
    const double whole = std::max(0.0, std::floor(seconds));
    const auto total = static_cast<unsigned long long>(std::min(whole, 1e15));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02llu:%02llu", total / 60, total % 60);
    return buffer;
}

bool IsFormat(const Parameter& parameter, const char* format) {
    return EqualsNoCase(parameter.format, format);
}

std::string Limits(const Parameter& p, const std::string& between, int decimals) {
    return FormatFixed(p.lower, decimals) + between + FormatFixed(p.upper, decimals);
}

} // namespace

std::string CellText(int column, const std::string& text) {
    return column > 0 && text == kNoData ? kNotAvailable : text;
}

std::string TypedValue(const std::string& text) {
    return text == kNotAvailable ? kNoData : text;
}

std::string RangeMessage(const Parameter& p, const std::string& text) {
    const std::string head =
        "Параметру " + p.name + " не может быть присвоено значение " + text + ".\n";
    if (IsFormat(p, kClockFormat))
        return head + "Значение должно быть от " + MinutesSeconds(p.lower) + " до " +
               MinutesSeconds(p.upper) + ".";
    return head + "Значение должно быть от " + Limits(p, " до ", 3) + ".";
}

std::string EditTipTitle(const Parameter& p) {
    return p.DisplayName() + " (" + p.name + ")";
}

std::string EditTipText(const Parameter& p) {
    if (IsFormat(p, kStoredDotFormat))
        return "Значение параметра должно быть вещественного типа, от " + Limits(p, " до ", 3) +
               ".";
    return "Значение параметра должно быть целого типа, от " + Limits(p, " до ", 0) + ".";
}

bool ParityName(const std::string& value, std::string& name) {
    long long number = 0;
    if (ReadInteger(value, number) == 0)
        return false;
    const bool known = number == kParityEven || number == kParityNone || number == kParityOdd;
    name = known ? ParityTextOf(static_cast<int>(number)) : "";
    return true;
}

} // namespace CmyListCtrlTexts
