#pragma once
// Conversion of a parameter's value between its text and the data bytes of a
// frame, driven by the format text and, for a few parameters, by the name.

#include "link/FrameCodec.h"

#include <cstdint>
#include <string>

// Marks a value that has not been read yet; it is never written.
inline constexpr const char* kNoData = "Нет данных";
// Format text of a parameter the base did not describe.
inline constexpr const char* kUnknownFormat = "неизвестен";
// Limits of a sound base lie well inside this; beyond it a record is damaged.
inline constexpr double kMaxLimitMagnitude = 1e9;

class MyConverter {
public:
    virtual ~MyConverter() = default;

    std::string name;                      // device's short name, compared without case
    std::string value;                     // value text, UTF-8
    std::string format = kUnknownFormat;   // format name or ':'-separated choice list
    int decimals = 0;                      // 0 = not fixed
    double upper = 0.0;                    // both limits 0: no limits
    double lower = 0.0;

    // Value text -> frame data. 1 done, 0 the value cannot be encoded, -1 not
    // written with a value or refused (reason, when given, gets the text).
    int ConvertToData(const std::string& text, std::uint8_t* data, int& length,
                      std::string* reason = nullptr) const;

    // Frame data -> value text. 1 success, 0 failure (value unchanged), -1 a
    // length the format does not know (the value becomes the length text).
    int ConvertFromData(const std::uint8_t* data, int count);

    // Cuts typed text to the decimals or the range. 0 done, -1 not a number.
    int trim_value_text(const std::string& text, std::string& out) const;
};

// The text of choice `number` ('_' shown as a blank), the number itself for a
// format without ':', "Нет данных" past the last choice, empty when negative.
std::string choice_text(const MyConverter& parameter, int number);
