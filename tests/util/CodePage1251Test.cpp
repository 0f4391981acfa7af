#include "util/CodePage1251.h"
#include "params/DeviceText.h"

#include <gtest/gtest.h>

TEST(CodePage1251, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    bool lossy = true;
    EXPECT_EQ(CodePage1251::FromUtf8(CodePage1251::ToUtf8(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(CodePage1251, KnownLettersMapBothWays) {
    struct Case {
        const char* utf8;
        const char* cp1251;
    };
    const Case cases[] = {
        {"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
        {"Ёё№", "\xA8\xB8\xB9"},
        {"«€»", "\xAB\x88\xBB"},
        {"Ґє", "\xA5\xBA"},
        {"a-Я", "a-\xDF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodePage1251::FromUtf8(c.utf8), c.cp1251) << c.utf8;
        EXPECT_EQ(CodePage1251::ToUtf8(c.cp1251), c.utf8) << c.utf8;
    }
}

TEST(CodePage1251, UnmappableAndMalformedInputBecomesQuestionMark) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"x日y", "x?y"},                            // not in the code page
        {"a\xC3", "a?"},                            // cut sequence
        {"\xC0\xAF", "??"},                         // overlong '/'
        {"\xED\xA0\x80", "???"},                    // surrogate
        {"\xF0\x9F\x98\x80", "?"}, {"\x80z", "?z"}, // stray continuation byte
    };
    for (const Case& c : cases) {
        bool lossy = false;
        EXPECT_EQ(CodePage1251::FromUtf8(c.utf8, &lossy), c.expected) << c.utf8;
        EXPECT_TRUE(lossy) << c.utf8;
    }
}

TEST(CodePage1251, DeviceBytesStopAtZeroAndReadAsCyrillic) {
    const std::uint8_t bytes[] = {0xCC, 0xC2, '1', 0, 'x'};
    EXPECT_EQ(device_bytes_to_text(bytes, 5), "МВ1");
    EXPECT_EQ(device_bytes_to_text(bytes, 2), "МВ");
}
