#include "config/PageKinds.h"
#include "config/ModificationTraits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

std::vector<int> Enabled(const PageEnableRow& row) {
    std::vector<int> kinds;
    for (int kind = 0; kind < static_cast<int>(row.size()); ++kind)
        if (row[kind])
            kinds.push_back(kind);
    return kinds;
}

TEST(PageKindsTest, InitialRowFollowsTheBlocksAndTheChannelCount) {
    struct Case {
        int modification;
        int channels;
        std::vector<int> kinds;
    };
    const Case cases[] = {
        {2, 3, {1, 2, 3, 58, 59, 60}},
        {1, 2, {1, 2, 25, 26, 27, 28, 41, 42, 49, 50, 51}},
        {4, 3, {1, 2, 17, 25, 26, 41, 50, 58, 66}},
        {3, 1, {1, 9, 17, 25, 26, 41, 74}},
        {5, 2, {1, 2, 25, 26, 41, 50}},
        {6, 2, {1, 2, 9, 17, 25, 26, 41, 58, 66, 74}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Enabled(InitialPageEnableRow(c.modification, c.channels)), c.kinds)
            << "modification " << c.modification << ", " << c.channels << " channels";
    EXPECT_TRUE(Enabled(InitialPageEnableRow(7, 4)).empty());
}

TEST(PageKindsTest, ChannelPagesCanSwitchOnMoreScreens) {
    const std::vector<int> six = ReachableKinds(6, 1);
    for (int kind : {1, 2, 3, 4, 9, 17, 58, 66, 74})
        EXPECT_NE(std::find(six.begin(), six.end(), kind), six.end()) << kind;
    const std::vector<int> three = ReachableKinds(3, 4);
    EXPECT_EQ(std::count(three.begin(), three.end(), 3), 0);
    EXPECT_EQ(std::count(three.begin(), three.end(), 58), 0);
    const std::vector<int> five = ReachableKinds(5, 2);
    EXPECT_EQ(std::count(five.begin(), five.end(), 17), 0);
    EXPECT_EQ(std::count(five.begin(), five.end(), 58), 1);
    EXPECT_EQ(std::count(five.begin(), five.end(), 66), 1);
}

TEST(PageKindsTest, ChannelWalkPositions) {
    EXPECT_EQ(ChannelPositions(1, 8), std::vector<int>{0});
    EXPECT_EQ(ChannelPositions(4, 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ChannelPositions(5, 6), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(ChannelIndexOf(5, 4), 2);
    EXPECT_EQ(ChannelIndexOf(6, 1), 1);
}

TEST(PageKindsTest, SelectorsAndBaseIndexes) {
    struct Case {
        int kind;
        int modification;
        int position;
        int element;
        const char* selector; // nullptr: none
        int base;
    };
    const Case cases[] = {
        {2, 4, 3, 0, "in-t", 7},   // m = 2
        {4, 6, 1, 0, "in-t", 7},   // m = 4
        {2, 5, 6, 0, "in-t", 7},   // m = 1
        {9, 6, 1, 0, "in-t", 7},   // sensor on input 4 of the channel
        {9, 3, 2, 0, "in-t", 5},   // sensor on input 2 of the channel
        {17, 3, 2, 0, "CAL.t", 2}, // selector index 16
        {29, 1, 0, 0, "rEG.t", 2}, {25, 5, 4, 0, "rEG.t", 4},
        {26, 5, 4, 0, nullptr, 2}, // setpoints by channel index in pairs
        {30, 1, 0, 0, nullptr, 2}, {41, 4, 3, 0, nullptr, 3},
        {49, 1, 0, 0, nullptr, 0}, {50, 1, 0, 5, nullptr, 4}, // the element's own PWM
        {51, 1, 0, 0, nullptr, 0},                            // no element linked
        {51, 6, 1, 3, nullptr, 2}, // by position where PWM does not follow elements
        {58, 2, 0, 0, nullptr, 0}, {63, 2, 0, 0, nullptr, 5},
        {66, 5, 6, 0, nullptr, 6}, {74, 3, 3, 0, nullptr, 3},
    };
    for (const Case& c : cases) {
        const auto selector = SelectorOfKind(c.kind, c.modification, c.position);
        ASSERT_EQ(selector.has_value(), c.selector != nullptr) << "kind " << c.kind;
        if (selector) {
            EXPECT_STREQ(selector->name, c.selector) << "kind " << c.kind;
        }
        EXPECT_EQ(BaseIndexOfKind(c.kind, c.modification, c.position, c.element), c.base)
            << "kind " << c.kind << " m" << c.modification << " p" << c.position;
    }
    EXPECT_EQ(SelectorOfKind(17, 3, 2)->index, 16);
}

TEST(PageKindsTest, ScreensOfKinds) {
    EXPECT_EQ(ScreenOfKind(8, true), Screen::Inputs);
    EXPECT_EQ(ScreenOfKind(16, true), Screen::PositionSensor);
    EXPECT_EQ(ScreenOfKind(24, true), Screen::ComputingBlock);
    EXPECT_EQ(ScreenOfKind(39, true), Screen::Pid);
    EXPECT_EQ(ScreenOfKind(39, false), Screen::OnOff);
    EXPECT_EQ(ScreenOfKind(40, false), Screen::Setpoint);
    EXPECT_EQ(ScreenOfKind(48, true), Screen::Autotuning);
    EXPECT_EQ(ScreenOfKind(49, true), Screen::OutputLinks);
    EXPECT_EQ(ScreenOfKind(57, true), Screen::Pwm);
    EXPECT_EQ(ScreenOfKind(65, true), Screen::Inspector);
    EXPECT_EQ(ScreenOfKind(73, true), Screen::Lba);
    EXPECT_EQ(ScreenOfKind(81, true), Screen::GateValveControl);
}

TEST(PageKindsTest, ReachableScreensCoverBothRegulatorListsAndEveryPwmElement) {
    std::set<int> pwm;
    std::set<int> setpoints;
    int onOff = 0;
    for (const ScreenUse& use : ReachableScreens(5, 8)) {
        if (use.screen == Screen::Pwm)
            pwm.insert(use.baseIndex);
        if (use.screen == Screen::Setpoint)
            setpoints.insert(use.baseIndex);
        onOff += use.screen == Screen::OnOff;
    }
    EXPECT_EQ(pwm, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(setpoints, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(onOff, 4);
    EXPECT_EQ(ReachableScreens(2, 1).back().screen, Screen::Indication);
}

TEST(PageKindsTest, FeaturesOfUnknownModificationsAreEmpty) {
    EXPECT_EQ(FeaturesOf(0), ModificationFeatures{});
    EXPECT_EQ(FeaturesOf(7), ModificationFeatures{});
    EXPECT_TRUE(FeaturesOf(6)[kFeatureLba]);
    EXPECT_FALSE(FeaturesOf(5)[kFeatureInspector]);
}

} // namespace
