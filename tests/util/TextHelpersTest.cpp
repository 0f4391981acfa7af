#include "util/NumberText.h"
#include "params/TextArchive.h"
#include "util/TextCase.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TextCase, FoldsLatinAndCyrillic) {
    EXPECT_EQ(LowerText("N.Ch"), "n.ch");
    EXPECT_EQ(LowerText("НЕТ ДАННЫХ Ёж"), "нет данных ёж");
    EXPECT_EQ(LowerText("ПРЯЖА"), "пряжа");
    EXPECT_TRUE(EqualsNoCase("Нет данных", "НЕТ данных"));
    EXPECT_FALSE(EqualsNoCase("Нет", "Нет данных"));
    // A lone lead byte at the end is kept, not read past.
    EXPECT_EQ(LowerText(std::string("A\xD0", 2)), std::string("a\xD0", 2));
}

TEST(NumberText, ReadsNumbersWithADotOnly) {
    double d = -1;
    EXPECT_EQ(ReadDouble(" +12.5x", d), 6u);
    EXPECT_DOUBLE_EQ(d, 12.5);
    EXPECT_EQ(ReadDouble("12,5", d), 2u);
    d = -1;
    EXPECT_EQ(ReadDouble("inf", d), 0u);
    EXPECT_EQ(ReadDouble("", d), 0u);
    EXPECT_EQ(ReadDouble("+-1", d), 0u);
    EXPECT_DOUBLE_EQ(d, -1);
    long long i = 0;
    EXPECT_EQ(ReadInteger("-42*", i), 3u);
    EXPECT_EQ(i, -42);
    EXPECT_EQ(ReadInteger("123456789012345678901234", i), 24u);
    EXPECT_EQ(i, LLONG_MAX);
    EXPECT_EQ(FormatFixed(12.34f, 3), "12.340");
    EXPECT_EQ(FormatFixed(-0.0005, 3), "-0.001");
}

TEST(TextArchive, RejectsLengthsPastTheEnd) {
    std::string archive;
    PutText(archive, "abc");
    archive[0] = '\xFF'; // claims 255 bytes
    std::size_t pos = 0;
    std::string text = "kept";
    EXPECT_EQ(GetText(archive, pos, text), kArchiveTruncated);
    EXPECT_EQ(text, "kept");
    pos = archive.size() + 3;
    EXPECT_EQ(GetText(archive, pos, text), kArchiveTruncated);
}

} // namespace
