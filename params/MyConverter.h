#pragma once
// Conversion of a parameter's value between its text and the data bytes of a
// frame, driven by the format text and, for a few parameters, by the name.

#include <cstdint>
#include <string>

// Marks a value that has not been read yet; it is never written.
inline constexpr const char* kNoData = "Нет данных";
// Format text of a parameter the base did not describe.
inline constexpr const char* kUnknownFormat = "неизвестен";

// Frames carry at most 15 data bytes.
inline constexpr int kMaxFrameData = 15;

class MyConverter {
public:
    virtual ~MyConverter() = default;

    std::string name;                      // device's short name, compared without case
    std::string value;                     // value text, UTF-8
    std::string format = kUnknownFormat;   // format name or ':'-separated choice list
    int decimals = 0;                      // 0 = not fixed
    double upper = 0.0;                    // both limits 0: no limits
    double lower = 0.0;

    // The conversion operations (ConvertToData, ConvertFromData,
    // trim_value_text) and choice_text are declared below this line.
};
