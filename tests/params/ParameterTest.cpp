#include "params/Parameter.h"
#include "params/ParameterTable.h"
#include "params/TextArchive.h"

#include "ScriptedPromptTest.h"

#include <memory>
#include <vector>

namespace {

Parameter MakeParameter(const char* format, double lower, double upper, int decimals = 0) {
    Parameter p("x");
    p.format = format;
    p.lower = lower;
    p.upper = upper;
    p.decimals = decimals;
    return p;
}

struct ValueCase {
    const char* format;
    double lower;
    double upper;
    int decimals;
    const char* typed;
    bool accepted;
    const char* stored; // value text after an accepted entry
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.format << " " << c.typed; }

class SetValueChecks : public ScriptedPromptTest,
                       public ::testing::WithParamInterface<ValueCase> {};

TEST_P(SetValueChecks, AcceptsOrRefusesTypedText) {
    const ValueCase& c = GetParam();
    Parameter p = MakeParameter(c.format, c.lower, c.upper, c.decimals);
    EXPECT_EQ(p.SetValue(c.typed, false), c.accepted) << c.format << " " << c.typed;
    if (c.accepted) {
        EXPECT_EQ(p.value, c.stored);
        EXPECT_TRUE(p.changed);
    } else {
        EXPECT_EQ(p.value, kNoData);
        EXPECT_FALSE(p.changed);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SetValueChecks,
                         ::testing::Values(
                             // The limit slack of 0.0009 is measured in single precision.
                             ValueCase{"STORED_DOT", 0, 100, 4, "100.0008", true, "100.001"},
                             ValueCase{"STORED_DOT", 0, 100, 4, "100.0009", false, ""},
                             ValueCase{"STORED_DOT", 0, 100, 2, "100.001", false, ""},
                             ValueCase{"STORED_DOT", 0, 100, 2, "-0.5", false, ""},
                             ValueCase{"STORED_DOT", 0, 100, 2, "12.5", true, "12.500"},
                             ValueCase{"stored_dot", 0, 0, 1, "-3.2", true, "-3.200"},
                             // Text that is no number is refused instead of being stored as 0.
                             ValueCase{"STORED_DOT", 0, 100, 2, "abc", false, ""},
                             ValueCase{"STORED_DOT", 0, 100, 2, "1O0", false, ""},
                             ValueCase{"STORED_DOT", 0, 0, 2, "inf", false, ""},
                             ValueCase{"DEC_dot", 0, 100, 0, "7", true, "7"},
                             ValueCase{"DEC_dot", 0, 100, 0, "7.0", true, "7.0"},
                             ValueCase{"DEC_dot", 0, 100, 0, "7.5", false, ""},
                             ValueCase{"DEC_dot", 0, 100, 0, "7x", false, ""},
                             ValueCase{"DEC_dot", 0, 100, 0, "", false, ""},
                             ValueCase{"DEC_dot", 0, 100, 0, "101", false, ""},
                             ValueCase{"DEC_dot", 0, 0, 0, "nan", false, ""},
                             ValueCase{"CLK_frm", 0, 3600, 0, "1:00:00", true, "1:00:00"},
                             ValueCase{"CLK_frm", 0, 3600, 0, "1:00:01", false, ""},
                             ValueCase{"CLK_frm", 0, 100, 0, "1:30", true, "1:30"},
                             ValueCase{"CLK_frm", 0, 89, 0, "1:30", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "99:59:59", true, "99:59:59"},
                             ValueCase{"CLK_frm", 0, 0, 0, "1:xx", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "1::30", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "abc", false, ""},
                             // A leading ':' leaves an empty group, like "5:" and "1::5".
                             ValueCase{"CLK_frm", 0, 0, 0, ":30", false, ""},
                             ValueCase{"CLK_frm", 0, 100, 0, ":5:3", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, ":", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "::", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "5:", false, ""},
                             ValueCase{"CLK_frm", 0, 0, 0, "1::5", false, ""},
                             ValueCase{"выкл:вкл", 0, 0, 0, "что угодно", true, "что угодно"}));

class ParameterTest : public ScriptedPromptTest {};

// What the input check takes, the encoder must take too: the write would
// otherwise fail after the operator was told the value is fine.
TEST_F(ParameterTest, AcceptedNumbersEncode) {
    struct Case {
        const char* format;
        const char* typed;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"DEC_dot", "7.000001", {0x07}},   {"DEC_dot", "7.0", {0x07}},
        {"DEC_dot", "300.00001", {0x01, 0x2C}}, {"CLK_frm", "1:30", {0x5A}},
        {"CLK_frm", "0:02:00", {0x78}},
    };
    for (const Case& c : cases) {
        Parameter p = MakeParameter(c.format, 0, 1000);
        ASSERT_TRUE(p.SetValue(c.typed, false)) << c.typed;
        std::uint8_t data[16] = {};
        int length = 0;
        ASSERT_EQ(p.ConvertToData(p.value, data, length), 1) << c.typed;
        EXPECT_EQ(std::vector<std::uint8_t>(data, data + length), c.bytes) << c.typed;
    }
}

TEST_F(ParameterTest, NewParameterIsResetAndUndescribed) {
    const Parameter p("n.Ch");
    EXPECT_EQ(p.name, "n.Ch");
    EXPECT_EQ(p.value, kNoData);
    EXPECT_EQ(p.format, kUnknownFormat);
    EXPECT_EQ(p.caption, "<неизвестный параметр>");
    EXPECT_FALSE(p.indexed || p.changed);
    EXPECT_EQ(p.DisplayName(), "<неизвестный параметр>");
}

TEST_F(ParameterTest, DisplayNameOverridesCaption) {
    Parameter p("x");
    p.caption = "Подпись";
    EXPECT_EQ(p.DisplayName(), "Подпись");
    p.displayName = "Особое имя";
    EXPECT_EQ(p.DisplayName(), "Особое имя");
}

TEST_F(ParameterTest, RoundingWarnsWithTypedAndTrimmedText) {
    Parameter p = MakeParameter("STORED_DOT", 0, 100, 2);
    std::vector<Prompt> shown;
    ASSERT_TRUE(p.SetValue("12.345", false, &shown));
    EXPECT_EQ(p.value, "12.340");
    EXPECT_TRUE(prompter.Shown().empty()); // the caller shows it
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Значение было округлено с 12.345 до 12.34");
    EXPECT_EQ(shown[0].caption, "Предупреждение");
    EXPECT_EQ(shown[0].icon, PromptIcon::Warning);
}

TEST_F(ParameterTest, NoWarningWhenNothingIsCut) {
    Parameter p = MakeParameter("STORED_DOT", 0, 100, 2);
    ASSERT_TRUE(p.SetValue("12.34", false));
    EXPECT_EQ(p.value, "12.340");
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(ParameterTest, FromDeviceTextIsNotCheckedAgain) {
    Parameter p = MakeParameter("DEC_dot", 0, 10, 0);
    p.value = "7.5";
    EXPECT_TRUE(p.SetValue("7.5", true));
    EXPECT_FALSE(p.changed);
}

TEST_F(ParameterTest, RefusedTextKeepsPreviousValueAndFlags) {
    Parameter p = MakeParameter("DEC_dot", 0, 10, 0);
    ASSERT_TRUE(p.SetValue("5", false));
    p.changed = false;
    EXPECT_FALSE(p.SetValue("11", false));
    EXPECT_EQ(p.value, "5");
    EXPECT_FALSE(p.changed);
}

class LimitCoupling : public ScriptedPromptTest {
protected:
    void SetUp() override {
        min = Add("i.min", "DEC_dot", 0, 10);
        upr = Add("i.upr", "DEC_dot", 0, 10);
    }
    Parameter* Add(const char* name, const char* format, double lower, double upper) {
        auto p = std::make_unique<Parameter>(name);
        p->format = format;
        p->lower = lower;
        p->upper = upper;
        return table.Adopt(std::move(p));
    }
    ParameterTable table;
    Parameter* min = nullptr;
    Parameter* upr = nullptr;
};

TEST_F(LimitCoupling, MinimumMovesLowerLimitOfUpperEvenWhenRefused) {
    EXPECT_FALSE(min->SetValue("4.5", false));
    EXPECT_DOUBLE_EQ(upr->lower, 4.5);
    EXPECT_TRUE(min->SetValue("4", false));
    EXPECT_DOUBLE_EQ(upr->lower, 4);
    EXPECT_DOUBLE_EQ(upr->upper, 10);
}

TEST_F(LimitCoupling, UpperMovesUpperLimitOfMinimumAlsoFromDevice) {
    EXPECT_TRUE(upr->SetValue("8", true));
    EXPECT_DOUBLE_EQ(min->upper, 8);
    EXPECT_DOUBLE_EQ(min->lower, 0);
}

TEST_F(LimitCoupling, NonNumericTextLeavesLimitsAlone) {
    EXPECT_TRUE(min->SetValue(kNoData, true));
    EXPECT_DOUBLE_EQ(upr->lower, 0);
    EXPECT_DOUBLE_EQ(upr->upper, 10);
}

TEST_F(LimitCoupling, MissingPartnerIsReportedAndValueStillStored) {
    ParameterTable lone;
    auto adopted = lone.Adopt(std::make_unique<Parameter>("I.MIN"));
    ASSERT_NE(adopted, nullptr);
    std::vector<Prompt> shown;
    EXPECT_TRUE(adopted->SetValue("3", false, &shown));
    EXPECT_EQ(adopted->value, "3");
    EXPECT_TRUE(TakeShown().empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Не найден параметр i.upr в основной таблице параметров!");
}

TEST(ParameterArchive, StoresNameAndValueAndReadsThemBack) {
    Parameter p("Addr");
    p.value = "Адрес 16";
    std::string archive;
    p.Store(archive);
    p.Store(archive);

    Parameter back;
    std::size_t pos = 0;
    ASSERT_EQ(back.Load(archive, pos), kArchiveOk);
    EXPECT_EQ(back.name, "Addr");
    EXPECT_EQ(back.value, "Адрес 16");
    ASSERT_EQ(back.Load(archive, pos), kArchiveOk);
    EXPECT_EQ(pos, archive.size());
}

TEST(ParameterArchive, TruncatedInputFailsAndChangesNothing) {
    Parameter p("Addr");
    p.value = "16";
    std::string archive;
    p.Store(archive);
    for (std::size_t cut = 0; cut < archive.size(); ++cut) {
        Parameter back("old");
        std::size_t pos = 0;
        EXPECT_EQ(back.Load(archive.substr(0, cut), pos), kArchiveTruncated) << cut;
        EXPECT_EQ(pos, 0u);
        EXPECT_EQ(back.name, "old");
        EXPECT_EQ(back.value, kNoData);
    }
}

} // namespace
