#include "params/Parameter.h"

#include "util/NumberText.h"
#include "params/NumberFormats.h"
#include "params/ParameterTable.h"
#include "params/TextArchive.h"
#include "util/TextCase.h"

#include <cmath>

namespace {

// Values a hair outside the limits pass, so that a limit typed in full
// survives the single-precision round trip.
constexpr double kLimitSlack = 0.0009;

bool HasLimits(const MyConverter& p) {
    return p.lower != 0.0 || p.upper != 0.0;
}

bool OutsideLimits(const MyConverter& p, double v) {
    return HasLimits(p) && (p.lower - v > kLimitSlack || v - p.upper > kLimitSlack);
}

// The whole text as a single-precision number; blanks may follow it.
bool ReadWholeSingle(const std::string& text, float& value) {
    const std::size_t used = ReadSingle(text, value);
    return used > 0 && IsBlank(std::string_view(text).substr(used));
}

void Notify(std::vector<Prompt>* notices, Prompt notice) {
    if (notices)
        notices->push_back(std::move(notice));
}

bool CheckStoredDot(const MyConverter& p, std::string& text, std::vector<Prompt>* notices) {
    float typed = 0;
    if (!ReadWholeSingle(text, typed) || OutsideLimits(p, typed))
        return false;
    std::string trimmed;
    float kept = 0;
    if (p.trim_value_text(text, trimmed) != 0 || !ReadWholeSingle(trimmed, kept))
        return false;
    if (std::fabs(kept - typed) > 0.000001)
        Notify(notices, {"Значение было округлено с " + text + " до " + trimmed,
                         "Предупреждение", PromptIcon::Warning});
    text = FormatFixed(kept, 3);
    return true;
}

// "h:mm:ss" and the like: groups weighted by 60 from the right.
bool ReadClock(const std::string& text, double& total) {
    if (text.find(':') == std::string::npos) {
        const std::size_t used = ReadDouble(text, total);
        return used > 0 && used == text.size();
    }
    total = 0;
    double weight = 1;
    std::size_t end = text.size();
    while (true) {
        // A leading ':' leaves an empty first group, which is refused.
        const std::size_t colon = end == 0 ? std::string::npos : text.rfind(':', end - 1);
        const std::size_t start = colon == std::string::npos ? 0 : colon + 1;
        const std::string_view group = std::string_view(text).substr(start, end - start);
        long long g = 0;
        if (group.empty() || ReadInteger(group, g) != group.size())
            return false;
        total += static_cast<double>(g) * weight;
        weight *= 60;
        if (colon == std::string::npos)
            return true;
        end = colon;
    }
}

bool CheckClock(const MyConverter& p, const std::string& text) {
    double v = 0;
    if (!ReadClock(text, v))
        return false;
    return !HasLimits(p) || (v >= p.lower && v <= p.upper);
}

bool CheckDecimal(const MyConverter& p, const std::string& text) {
    double v = 0;
    const std::size_t used = ReadDouble(text, v);
    if (used == 0 || used != text.size() || OutsideLimits(p, v))
        return false;
    const double magnitude = std::fabs(v);
    return magnitude - std::trunc(magnitude) <= kWholeNumberSlack;
}

bool CheckFormat(const MyConverter& p, std::string& text, std::vector<Prompt>* notices) {
    if (EqualsNoCase(p.format, kStoredDotFormat))
        return CheckStoredDot(p, text, notices);
    if (EqualsNoCase(p.format, kClockFormat))
        return CheckClock(p, text);
    if (EqualsNoCase(p.format, kDecDotFormat))
        return CheckDecimal(p, text);
    return true;
}

} // namespace

Parameter::Parameter(std::string name) {
    this->name = std::move(name);
    Reset();
}

void Parameter::Reset() {
    indexed = false;
    index = 0;
    addressOffset = 0;
    changed = false;
    value = kNoData;
    message.clear();
    exchange = {};
    attributeStep = 0;
}

const std::string& Parameter::DisplayName() const {
    return displayName.empty() ? caption : displayName;
}

bool Parameter::SetValue(const std::string& text, bool fromDevice,
                         std::vector<Prompt>* notices) {
    CoupleLimits(text, notices);
    if (fromDevice)
        return true;
    std::string accepted = text;
    if (!CheckFormat(*this, accepted, notices))
        return false;
    value = std::move(accepted);
    changed = true;
    return true;
}

// The lower limit of "i.upr" follows the value of "i.min", and the upper
// limit of "i.min" follows "i.upr", even when the typed text is then refused.
void Parameter::CoupleLimits(const std::string& text, std::vector<Prompt>* notices) const {
    if (table == nullptr)
        return;
    const bool isMin = EqualsNoCase(name, "i.min");
    if (!isMin && !EqualsNoCase(name, "i.upr"))
        return;
    // A text that is no number (such as "Нет данных") must not move a limit to 0.
    double limit = 0;
    if (ReadDouble(text, limit) == 0)
        return;
    const char* partnerName = isMin ? "i.upr" : "i.min";
    Parameter* partner = table->FindParameter(partnerName, 0);
    if (partner == nullptr) {
        Notify(notices, ParameterTable::MissingNotice(partnerName));
        return;
    }
    (isMin ? partner->lower : partner->upper) = limit;
}

void Parameter::Store(std::string& out) const {
    PutText(out, name);
    PutText(out, value);
}

int Parameter::Load(std::string_view in, std::size_t& pos) {
    std::size_t at = pos;
    std::string loadedName;
    std::string loadedValue;
    if (GetText(in, at, loadedName) != kArchiveOk || GetText(in, at, loadedValue) != kArchiveOk)
        return kArchiveTruncated;
    name = std::move(loadedName);
    value = std::move(loadedValue);
    pos = at;
    return kArchiveOk;
}
