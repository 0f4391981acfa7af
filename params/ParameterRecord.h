#pragma once
// One fixed-size record of the parameter base, field by field. Texts are
// UTF-8 here and code page 1251 in the record.

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kParameterRecordSize = 2343;

struct ParameterRecord {
    std::string name; // up to 8 characters
    std::string caption;
    std::int32_t index = -1; // -1: not indexed
    bool addressByIndex = false;
    std::uint8_t flag270 = 0; // the loader keeps its inverse
    std::uint8_t flag271 = 0;
    std::uint32_t reserved272 = 0;
    bool changed = false; // initial change flag
    std::int32_t attributeStep = 0;
    bool attributeFlag1 = false;
    bool attributeFlag2 = false;
    std::string format; // format name or choice list with visibility marks
    std::int32_t decimals = 0;
    float lower = 0.0f;
    float upper = 0.0f;
    std::string initial;      // initial value text
    std::string defaultValue; // optionally preceded by '?'
    std::string message;      // initial message text

    // A text without its zero byte is cut at its field's last byte.
    static ParameterRecord Decode(const std::uint8_t* bytes);

    // 0 done; else error names the field that the code page cannot hold or
    // that is too long, and bytes are left unspecified.
    int Encode(std::uint8_t* bytes, std::string& error) const;

    bool operator==(const ParameterRecord&) const = default;
};
