#include "config/ScreenLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Resolved(Screen screen, int base, int modification) {
    std::vector<std::string> out;
    for (const ResolvedReference& r :
         ResolveReferenceList(ScreenReferences(screen), base, modification))
        out.push_back(r.name + ":" + std::to_string(r.index));
    return out;
}

TEST(ScreenListsTest, EveryListEndsWithOneEmptyEntryAndNamesOnlyRealModifications) {
    for (Screen screen : kAllScreens) {
        const ReferenceList list = ScreenReferences(screen);
        ASSERT_FALSE(list.empty()) << ScreenName(screen);
        EXPECT_STREQ(list.back(), "") << ScreenName(screen);
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            const std::string text = list[i];
            EXPECT_FALSE(text.empty()) << ScreenName(screen) << " entry " << i;
            // A reference that applies in no modification would be dead.
            int applies = 0;
            for (int m = 1; m <= 6; ++m) {
                std::string t = text;
                int index = 0;
                if (!ResolveReference(t, index, true, m))
                    continue;
                ++applies;
                EXPECT_FALSE(t.empty()) << text;
                EXPECT_EQ(t.find_first_of("<>:*+"), std::string::npos) << text;
            }
            EXPECT_GT(applies, 0) << text;
        }
    }
}

TEST(ScreenListsTest, ListsResolveAgainstTheirBaseIndex) {
    struct Case {
        Screen screen;
        int base;
        int modification;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {Screen::ComputingBlock, 1, 6, {"SCA:8", "SCA:9", "SCA:10", "SCA:11", "A.ist:8"}},
        {Screen::ComputingBlock, 3, 4, {"SCA:24", "SCA:25", "A.ist:24"}},
        {Screen::OnOff, 2, 1, {"db:2", "HYS.C:10", "del:10", "hold:10"}},
        {Screen::Setpoint, 3, 5, {"P.-Sp:9", "Sp.lu:9"}},
        {Screen::Autotuning, 1, 4, {"Y0:1", "YdoP:1"}},
        {Screen::Autotuning, 1, 3, {"Y0:1", "YdoP:1", "P.tol:1"}},
        {Screen::Inspector,
         2,
         2,
         {"a.i.j:12", "a.i.j:13", "LG.tY:12", "del:2", "bl.st:5", "bl.t:5"}},
        {Screen::Inspector,
         1,
         6,
         {"a.i.j:6", "a.i.j:7", "LG.tY:6", "rf.pt:6", "del:1", "bl.st:3", "bl.t:3", "rel.a:1"}},
        {Screen::GateValveControl,
         1,
         3,
         {"db.F:2", "t.stp:2", "tp.l:2", "tp.h:2", "tfp:2", "lsp:2", "se.p:2", "op:2", "op:3"}},
        {Screen::OutputLinks,
         0,
         1,
         {"OP:0", "OP:2", "OP:4", "OP:6", "OP:8", "OP:10", "OP:12", "OP:14"}},
        {Screen::Indication,
         0,
         2,
         {"dp:0", "dp:8", "dp:16", "dp:24", "dp:32", "dp:40", "dp:48", "dp:56", "ind.r:0",
          "ind.s:0", "ind.t:0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Resolved(c.screen, c.base, c.modification), c.expected)
            << ScreenName(c.screen) << " B=" << c.base << " m" << c.modification;
}

TEST(ScreenListsTest, CountsFollowTheModificationFilters) {
    EXPECT_EQ(CountApplicableReferences(ScreenReferences(Screen::Inspector), 3), 5);
    EXPECT_EQ(CountApplicableReferences(ScreenReferences(Screen::Inspector), 6), 8);
    EXPECT_EQ(CountApplicableReferences(ScreenReferences(Screen::GateValveControl), 1), 6);
    EXPECT_EQ(CountApplicableReferences(ScreenReferences(Screen::ComputingBlock), 3), 3);
    EXPECT_EQ(CountApplicableReferences(ScreenReferences(Screen::Indication), 5), 11);
}

} // namespace
