#include "params/TooltipFile.h"

#include "util/CodePage1251.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

namespace {

struct Lookup {
    int result = -1;
    std::string text;
};

Lookup Find(const std::string& plainUtf8, const std::string& name) {
    TempDir dir;
    WriteBytes(dir.File("tooltip.dat"), TooltipFile::Invert(CodePage1251::FromUtf8(plainUtf8)));
    Lookup found;
    found.result = TooltipFile::Lookup(dir.File("tooltip.dat"), name, found.text);
    return found;
}

} // namespace

TEST(TooltipFile, RecordRules) {
    struct Case {
        const char* content;
        const char* name;
        int result;
        const char* text;
    };
    const Case cases[] = {
        {"abc Some_text<<", "ABC", 0, "Some_text"},
        {"abc Some_text<<def Other<<", "def", 0, "Other"},
        {"abc Some_text<<def Other", "def", 1, ""},          // no closing "<<"
        {"abc<<def x<<", "abc", 1, ""},                      // key without text
        {"<<  \t<< \t\tkey<text  more<<", "KEY", 0, "text"}, // separators, empty records
        {"n.Ch Число_каналов\\nканала<<", "n.ch", 0, "Число_каналов\\nканала"},
        {"x first<<x second<<", "x", 0, "first"},
        {"ab text<<", "a", 1, ""},
    };
    for (const Case& c : cases) {
        const Lookup found = Find(c.content, c.name);
        EXPECT_EQ(found.result, c.result) << c.content;
        EXPECT_EQ(found.text, c.text) << c.content;
    }
}

TEST(TooltipFile, ZeroByteEndsTheTextAndMissingFileFindsNothing) {
    TempDir dir;
    WriteBytes(dir.File("tooltip.dat"), TooltipFile::Invert(std::string("a x<<\0b y<<", 11)));
    std::string text;
    EXPECT_EQ(TooltipFile::Lookup(dir.File("tooltip.dat"), "a", text), 0);
    EXPECT_EQ(TooltipFile::Lookup(dir.File("tooltip.dat"), "b", text), 1);
    EXPECT_EQ(TooltipFile::Lookup(dir.File("none.dat"), "a", text), 1);
}
