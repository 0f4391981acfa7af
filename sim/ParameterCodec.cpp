#include "sim/ParameterCodec.h"

#include "params/ChoiceList.h"
#include "util/CodePage1251.h"
#include "params/NumberFormats.h"
#include "link/NetworkErrors.h"

#include <cstdlib>

namespace {

bool FormatIs(const Parameter& p, const char* word) {
    const std::string& f = p.format;
    return same_ignoring_latin_case(std::string_view(f).substr(0, f.find(':')), word);
}

bool IsStoredDot(const Parameter& p) { return FormatIs(p, kStoredDotFormat); }
bool IsSmallNumber(const Parameter& p) {
    return FormatIs(p, kDecDotFormat) || FormatIs(p, kClockFormat);
}

bool IsString(const Parameter& p) {
    return same_ignoring_latin_case(p.format, "string") ||
           same_ignoring_latin_case(p.format, "ASCI");
}

} // namespace

bool ParameterCodec::Encode(const SimParameter& entry, std::vector<std::uint8_t>& out) {
    const Parameter& p = entry.param;
    out.clear();
    if (IsString(p)) {
        const std::string bytes = CodePage1251::FromUtf8(p.value);
        out.assign(bytes.rbegin(), bytes.rend()); // strings travel last character first
        return out.size() <= kMaxFrameData;
    }
    std::uint8_t data[kMaxFrameData] = {};
    int length = 0;
    if (p.ConvertToData(p.value, data, length) != 1)
        return false;
    out.assign(data, data + length);
    if (p.indexed) {
        out.push_back(static_cast<std::uint8_t>(p.index >> 8));
        out.push_back(static_cast<std::uint8_t>(p.index & 0xFF));
    } else if (IsStoredDot(p)) {
        out.insert(out.end(), 2, 0); // the reader leaves the last two bytes out
    }
    return true;
}

std::uint8_t ParameterCodec::CheckSize(const Parameter& p, std::size_t size) {
    std::size_t least = 1, most = 1;
    if (IsStoredDot(p))
        least = 2, most = 4;
    else if (IsSmallNumber(p))
        most = 2;
    else if (same_ignoring_latin_case(p.format, "name"))
        least = most = 4;
    return size >= least && size <= most ? 0 : NetworkErrors::kDataSize;
}

std::uint8_t ParameterCodec::Decode(const SimParameter& entry,
                                    const std::vector<std::uint8_t>& value, std::string& text) {
    const Parameter& p = entry.param;
    if (const std::uint8_t size = CheckSize(p, value.size()))
        return size;
    std::vector<std::uint8_t> bytes = value;
    if (IsStoredDot(p)) {
        if (((bytes[0] >> 4) & 7) > 3)
            return NetworkErrors::kPointAbove3;
        bytes.insert(bytes.end(), 2, 0);
    }
    Parameter scratch = p;
    const int decoded = scratch.ConvertFromData(bytes.data(), static_cast<int>(bytes.size()));
    if (decoded == 0)
        return NetworkErrors::kOutOfLimits; // a choice the list does not have
    if (decoded < 0)
        return NetworkErrors::kBadMantissa;
    text = scratch.value;
    return CheckLimits(p, value, text);
}

std::uint8_t ParameterCodec::CheckLimits(const Parameter& p,
                                         const std::vector<std::uint8_t>& value,
                                         const std::string& text) {
    if (p.lower == 0.0 && p.upper == 0.0)
        return 0;
    double v = 0.0;
    if (IsStoredDot(p)) {
        v = std::strtod(text.c_str(), nullptr);
    } else if (IsSmallNumber(p)) {
        unsigned u = 0;
        small_value(value.data(), static_cast<int>(value.size()), u);
        v = u;
    } else {
        return 0;
    }
    // The limits are single precision in the base: compare at that precision.
    const float f = static_cast<float>(v);
    return f < static_cast<float>(p.lower) || f > static_cast<float>(p.upper)
               ? NetworkErrors::kOutOfLimits
               : 0;
}
