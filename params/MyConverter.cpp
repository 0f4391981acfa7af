#include "params/MyConverter.h"

#include "params/ChoiceList.h"
#include "params/ControllerLinkSettings.h"
#include "link/DeviceErrorTexts.h"
#include "params/DeviceText.h"
#include "params/NetworkName.h"
#include "params/NumberFormats.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

enum class Format { StoredDot, DecDot, Clock, String, Name, List };

constexpr int kFirstStatusCode = 240;
constexpr std::uint8_t kAddressReply = 24;
constexpr int kMeasurementBytes = 4;
constexpr std::uint8_t kComputingFault = 245; // its text depends on byte 3

bool named(const std::string& name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (same_ignoring_latin_case(name, n))
            return true;
    return false;
}

Format format_of(const std::string& format) {
    const std::string_view first = std::string_view(format).substr(0, format.find(':'));
    if (same_ignoring_latin_case(first, kStoredDotFormat))
        return Format::StoredDot;
    if (same_ignoring_latin_case(first, kDecDotFormat))
        return Format::DecDot;
    if (same_ignoring_latin_case(first, kClockFormat))
        return Format::Clock;
    if (same_ignoring_latin_case(format, "string") || same_ignoring_latin_case(format, "ASCI"))
        return Format::String;
    if (same_ignoring_latin_case(format, "name"))
        return Format::Name;
    return Format::List;
}

std::string printed(const char* format, auto value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string length_error(int count) {
    return printed("Ошибка; (Непонятная длина ответа:%i)", count);
}

// Device strings travel last character first.
std::string reversed_text(const std::uint8_t* data, int count) {
    const std::vector<std::uint8_t> bytes(std::make_reverse_iterator(data + count),
                                          std::make_reverse_iterator(data));
    return device_bytes_to_text(bytes.data(), count);
}

// Byte 0 picks one of a fixed set of texts; other values fail.
template <std::size_t N>
int fixed_choice(std::uint8_t code, const std::array<const char*, N>& texts, std::string& text) {
    if (code >= texts.size())
        return 0;
    text = texts[code];
    return 1;
}

int exit_text(const std::uint8_t* data, int count, std::string& text) {
    if (count != 3)
        return 0;
    if (data[0] == kAddressReply) {
        text = std::string("Адрес прибора:") + " " + std::to_string(data[1] << 8 | data[2]);
        return 1;
    }
    return device_fault_text(data[2], count, text);
}

int address_text(const std::uint8_t* data, int count, std::string& text) {
    if (count != 1 && count != 2)
        return 0;
    text = printed("%d", count == 1 ? data[0] : data[0] << 8 | data[1]);
    return 1;
}

// A status code in byte 0, or a single-precision value high byte first.
int measurement_text(const std::uint8_t* data, int count, bool setpoint, std::string& text) {
    if (count < kMeasurementBytes && (data[0] < kFirstStatusCode || data[0] == kComputingFault))
        return 0;
    if (data[0] >= kFirstStatusCode) {
        text = measurement_status_text(data[0], count > 3 ? data[3] : 0, setpoint);
        return 1;
    }
    const auto bits =
        static_cast<std::uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3];
    text = printed("%5.3f", static_cast<double>(std::bit_cast<float>(bits)));
    return 1;
}

// The readers chosen by the parameter's name; 2 when the name has none.
constexpr int kNoNamedReader = 2;

int named_text(const std::string& name, const std::uint8_t* data, int count, std::string& text) {
    if (named(name, {"dev", "ver"})) {
        text = reversed_text(data, count);
        return 1;
    }
    if (named(name, {"exit"}))
        return exit_text(data, count, text);
    if (named(name, {kBaudName}))
        return fixed_choice(data[0], kBaudChoices, text);
    if (named(name, {kByteSizeName}))
        return fixed_choice(data[0], kByteSizeChoices, text);
    if (named(name, {kParityName}))
        return fixed_choice(data[0], kParityChoices, text);
    if (named(name, {kStopBitsName}))
        return fixed_choice(data[0], kStopBitsChoices, text);
    if (named(name, {kAddressLengthName}))
        return fixed_choice(data[0], kAddressLengthChoices, text);
    if (named(name, {kAddressName}))
        return address_text(data, count, text);
    if (named(name, {"rEAd", "r.CAL", "rd.rg", "Set.P", "r.OUt"}))
        return measurement_text(data, count, named(name, {"Set.P"}), text);
    return kNoNamedReader;
}

int list_text(const std::string& format, std::uint8_t number, std::string& text) {
    const std::vector<std::string> tokens = choice_tokens(format);
    if (number >= tokens.size())
        return 0;
    text = tokens[number];
    return 1;
}

int small_text(const std::uint8_t* data, int count, bool clock, std::string& text) {
    unsigned v = 0;
    if (!small_value(data, count, v)) {
        text = length_error(count);
        return -1;
    }
    text = clock ? clk_text(v) : printed("%u", v);
    return 1;
}

int format_text(const std::string& format, const std::uint8_t* data, int count, std::string& text) {
    switch (format_of(format)) {
    case Format::StoredDot:
        text = stored_dot_text(data, count);
        return 1;
    case Format::DecDot:
        return small_text(data, count, false, text);
    case Format::Clock:
        return small_text(data, count, true, text);
    case Format::String:
        text = reversed_text(data, count);
        return 1;
    case Format::Name:
        if (count != 4 && count != 6) {
            text = length_error(count);
            return -1;
        }
        return network_name_text(data, text);
    case Format::List:
        break;
    }
    return list_text(format, data[0], text);
}

std::string blanks_trimmed(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The digits of text with every '.' left out, as one integer.
bool read_digits(const std::string& text, long long& v) {
    std::string digits;
    for (char c : text)
        if (c != '.')
            digits += c;
    const std::string_view number = std::string_view(digits).substr(digits.starts_with('+'));
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), v);
    return !number.empty() && error == std::errc{} && stop == number.data() + number.size();
}

} // namespace

int MyConverter::ConvertToData(const std::string& text, std::uint8_t* data, int& length,
                               std::string* reason) const {
    length = 0;
    if (named(name, {"dev", "ver", "exit"}))
        return -1;
    if (named(name, {"APLY"}))
        return 1;
    switch (format_of(format)) {
    case Format::StoredDot:
        return stored_dot_to_data(text, decimals, data, length);
    case Format::DecDot:
        return dec_dot_to_data(text, data, length);
    case Format::Clock:
        return clk_to_data(text, data, length);
    case Format::String:
        return 0; // read only: no choice to match
    case Format::Name: {
        std::string why;
        const int result = network_name_to_data(text, data, length, why);
        if (result < 0 && reason)
            *reason = why;
        return result;
    }
    case Format::List:
        break;
    }
    const int number = find_choice(format, text);
    if (number < 0)
        return 0;
    data[0] = static_cast<std::uint8_t>(number);
    length = 1;
    return 1;
}

int MyConverter::ConvertFromData(const std::uint8_t* data, int count) {
    if (count <= 0) {
        if (!named(name, {"APLY"}))
            return 0;
        value.clear();
        return 1;
    }
    std::string text;
    int result = named_text(name, data, count, text);
    if (result == kNoNamedReader) {
        if (named(name, {"r.kEY", "r.PrG", "r.StP", "r.St"})) {
            if (data[0] >= kFirstStatusCode) {
                value = state_status_text(data[0]);
                return 1;
            }
            if (count == 2) { // the state alone, as one byte
                ++data;
                count = 1;
            }
        }
        result = format_text(format, data, count, text);
    }
    if (result != 0)
        value = text;
    return result;
}

int MyConverter::trim_value_text(const std::string& text, std::string& out) const {
    if (decimals > 0) {
        const std::size_t dot = text.find('.');
        out = dot == std::string::npos ? text : text.substr(0, dot + 1 + decimals);
        return 0;
    }
    std::string kept = blanks_trimmed(text);
    long long v = 0;
    if (!read_digits(kept, v))
        return -1;
    // Without limits nothing is out of range.
    const bool limited = lower != 0.0 || upper != 0.0;
    while (limited && !kept.empty() && (v < lower || v > upper)) {
        v /= 10;
        kept.pop_back();
    }
    if (!kept.empty() && kept.back() == '.')
        kept.pop_back();
    out = kept;
    return 0;
}

std::string choice_text(const MyConverter& parameter, int number) {
    if (number < 0)
        return {};
    if (parameter.format.find(':') == std::string::npos)
        return printed("%i", number);
    const std::vector<std::string> tokens = choice_tokens(parameter.format);
    return static_cast<std::size_t>(number) < tokens.size() ? tokens[number] : kNoData;
}
