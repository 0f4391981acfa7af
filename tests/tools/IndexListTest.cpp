#include "tools/IndexList.h"
#include "tools/CaptionTemplate.h"

#include <gtest/gtest.h>

TEST(IndexList, RangesExpandInWrittenOrder) {
    struct Case {
        const char* text;
        std::vector<int> indexes;
    };
    const Case cases[] = {
        {"-", {-1}},
        {"3", {3}},
        {"0..3", {0, 1, 2, 3}},
        {"0..10/4", {0, 4, 8}},
        {"7,1..2,0", {7, 1, 2, 0}},
        {"5..5", {5}},
    };
    for (const Case& c : cases) {
        std::vector<int> indexes;
        std::string error;
        EXPECT_EQ(IndexList::Parse(c.text, indexes, error), 0) << c.text << ": " << error;
        EXPECT_EQ(indexes, c.indexes) << c.text;
    }
}

TEST(IndexList, BadRangesAreRefused) {
    for (const char* text :
         {"", "3..1", "1..5/0", "a", "1..", "-1", "2/3", "1,,2", "0..10000", "1..4/", " 1", "--"}) {
        std::vector<int> indexes;
        std::string error;
        EXPECT_NE(IndexList::Parse(text, indexes, error), 0) << text;
        EXPECT_NE(error.find("неверный диапазон индексов"), std::string::npos) << text;
    }
}

TEST(CaptionTemplate, ArithmeticOnTheIndex) {
    struct Case {
        const char* caption;
        int index;
        const char* expected;
    };
    const Case cases[] = {
        {"Канал {i+1}", 2, "Канал 3"},
        {"Вход {i/8+1}.{i%8+1}", 9, "Вход 2.2"},
        {"{i-1}{i}", 5, "45"},
        {"{i%2}", 7, "1"},
        {"без шаблона", -1, "без шаблона"},
    };
    for (const Case& c : cases) {
        std::string out, error;
        EXPECT_EQ(CaptionTemplate::Expand(c.caption, c.index, out, error), 0) << c.caption << error;
        EXPECT_EQ(out, c.expected) << c.caption;
    }
}

TEST(CaptionTemplate, BadTemplatesAreRefused) {
    struct Case {
        const char* caption;
        int index;
    };
    const Case cases[] = {{"{j}", 1},  {"{i*2}", 1},  {"{i/0}", 1}, {"x {i", 1},
                          {"{i+}", 1}, {"{i+-1}", 1}, {"{}", 1},    {"Канал {i}", -1}};
    for (const Case& c : cases) {
        std::string out, error;
        EXPECT_NE(CaptionTemplate::Expand(c.caption, c.index, out, error), 0) << c.caption;
        EXPECT_NE(error.find("шаблон"), std::string::npos) << c.caption;
    }
}
