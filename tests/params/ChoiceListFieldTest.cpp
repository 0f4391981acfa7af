#include "params/ChoiceListField.h"

#include <gtest/gtest.h>

TEST(ChoiceListField, ChoicesMarksAndBlanks) {
    struct Case {
        const char* field;
        const char* format;
        std::vector<std::uint8_t> masks;
    };
    const Case cases[] = {
        {"off:<hide>on:<hide>(2,3)auto", "off:on:auto", {0, 0x80, 0x06}},
        {"a_b:c", "a b:c", {0, 0}},
        {"STORED_DOT", "STORED_DOT", {0}},
        {"::x::", "x", {0}},
        {"", "", {}},
        {"<hide>(1,9,0)x:<hide>(8 4)y", "x:y", {0x01, 0x88}},
        {"<hide>((5))z:w", ")z:w", {0x10, 0}}, // the first ')' ends the mark
        {"a<hide>:b", "a<hide>:b", {0, 0}},
        {"<hide>(2:y", "(2:y", {0x80, 0}},
        {"<hide>x<hide>:<hide>", "x", {0x80, 0x80}},
    };
    for (const Case& c : cases) {
        std::string format = "old";
        std::vector<std::uint8_t> masks = {9};
        ChoiceListField::Parse(c.field, format, masks);
        EXPECT_EQ(format, c.format) << c.field;
        EXPECT_EQ(masks, c.masks) << c.field;
    }
}
