#include "device/LinkScan.h"
#include "params/ControllerLinkSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ScanPlan, FullTriesEveryRateAndParityOfTheControllerOnceFactoryRateFirst) {
    const ScanPlan plan = ScanPlan::Full();
    ASSERT_FALSE(plan.bauds.empty());
    EXPECT_EQ(plan.bauds.front(), 9600u);
    std::vector<std::uint32_t> sorted = plan.bauds;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::uint32_t>{2400, 4800, 9600, 14400, 19200, 28800, 38400,
                                                   57600, 115200}));
    // Faster rates come before slower ones once past the factory rate.
    const auto slower = std::find(plan.bauds.begin(), plan.bauds.end(), 4800u);
    EXPECT_TRUE(std::is_sorted(plan.bauds.begin(), slower));
    EXPECT_EQ(plan.parities, (std::vector<int>{kParityNone, kParityEven, kParityOdd}));
}

TEST(ParityNames, EachParityIsFoundByItsCodeItsTextAndItsOptionWord) {
    const struct {
        int code;
        const char* text;
        const char* option;
        const char* scanWords;
    } cases[] = {
        {kParityNone, "Отсутствует", "none", "без четности"},
        {kParityEven, "Четность", "even", "четность"},
        {kParityOdd, "Нечетность", "odd", "нечетность"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(ParityTextOf(c.code), c.text);
        ASSERT_NE(ParityOfText(c.text), nullptr) << c.text;
        EXPECT_EQ(ParityOfText(c.text)->code, c.code);
        ASSERT_NE(ParityOfOption(c.option), nullptr) << c.option;
        EXPECT_EQ(ParityOfOption(c.option)->code, c.code);
        LineSettings line;
        line.parity_code = c.code;
        EXPECT_NE(LinkScan::SettingText(line, 8).find(std::string(", ") + c.scanWords + ","),
                  std::string::npos)
            << c.scanWords;
    }
    // Settings-file texts fold case; option words are taken only as written.
    ASSERT_NE(ParityOfText("ОТСУТСТВУЕТ"), nullptr);
    EXPECT_EQ(ParityOfOption("EVEN"), nullptr);
    // Mark and space are no parity of the controller's.
    EXPECT_EQ(ParityOfCode(kParityMark), nullptr);
    EXPECT_STREQ(ParityTextOf(kParitySpace), "Отсутствует");
}

} // namespace
