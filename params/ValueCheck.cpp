#include "params/ValueCheck.h"

#include "params/ChoiceList.h"
#include "params/NumberFormats.h"
#include "params/Parameter.h"

#include <cstdio>

namespace {

bool NumericFormat(const std::string& format) {
    const std::string_view first = std::string_view(format).substr(0, format.find(':'));
    for (const char* name : {kStoredDotFormat, kDecDotFormat, kClockFormat})
        if (same_ignoring_latin_case(first, name))
            return true;
    return false;
}

bool ListFormat(const std::string& format) {
    return format.find(':') != std::string::npos && !NumericFormat(format);
}

std::string Number(const Parameter& p, double v) {
    if (same_ignoring_latin_case(std::string_view(p.format).substr(0, p.format.find(':')),
                                 kClockFormat))
        return clk_text(static_cast<unsigned>(v));
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", v);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.')
        s.pop_back();
    return s;
}

} // namespace

std::string ValueCheck::LimitsText(const Parameter& p) {
    if (p.lower == 0.0 && p.upper == 0.0)
        return {};
    return " (от " + Number(p, p.lower) + " до " + Number(p, p.upper) + ")";
}

std::string ValueCheck::ChoicesText(const Parameter& p) {
    // Choices the base never offers are no advice to give.
    constexpr std::uint8_t kNeverShown = 0x80;
    const std::vector<std::string> choices = choice_tokens(p.format);
    std::string list;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (!choices[i].empty() && (i >= p.choiceMasks.size() || p.choiceMasks[i] != kNeverShown))
            list += (list.empty() ? "" : ", ") + choices[i];
    return ": возможные значения: " + list;
}

bool ValueCheck::Check(const Parameter& p, const std::string& text, std::string& value,
                       std::string& detail) {
    // A copy: the limit coupling must not reach the table.
    Parameter check = p;
    check.table = nullptr;
    detail.clear();
    if (!check.SetValue(text, false)) {
        detail = LimitsText(p);
        return false;
    }
    std::uint8_t data[kMaxFrameData];
    int length = 0;
    std::string why;
    const int r = check.ConvertToData(check.value, data, length, &why);
    if (r == 1) {
        value = check.value;
        return true;
    }
    if (r == 0 && ListFormat(p.format))
        detail = ChoicesText(p);
    else if (r == 0)
        detail = LimitsText(p);
    else
        detail = ": " + (why.empty() ? std::string("параметр не записывается") : why);
    return false;
}

std::string ValueCheck::RefusalText(const Parameter& p, const std::string& text,
                                    const std::string& detail, bool sentence) {
    return (sentence ? "Недопустимое" : "недопустимое") + std::string(" значение '") + text +
           "' для параметра " + p.name + detail;
}
