// The shipped parameter base must hold every parameter and index the wizard
// reaches, in every modification and channel count, with the choice numbers
// the program writes and compares.

#include "ShippedBase.h"

#include "config/PageKinds.h"
#include "config/ScreenLists.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "params/ReferenceText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Use {
    std::string name;
    int index;
};

std::vector<int> AllowedCounts(int modification) {
    switch (modification) {
    case 3:
    case 4:
        return {1, 2, 3, 4};
    case 5:
        return {2, 4, 6, 8};
    case 6:
        return {1, 2};
    default:
        return {1, 2, 3, 4, 5, 6, 7, 8};
    }
}

// Blocks the channel configuration sets up and releases for channel c.
void AddChannelConfiguration(std::vector<Use>& uses, int modification, int c) {
    const std::vector<Use> common = {{"regl", c},     {"cal.t", 8 * c}, {"od.tp", c},
                                     {"npc", 16 * c}, {"se.p", 2 * c},  {"op", 2 * c}};
    switch (modification) {
    case 1:
        uses.insert(uses.end(), common.begin(), common.end());
        break;
    case 2:
        uses.insert(uses.end(), {{"cal.t", 8 * c}, {"insp", c}, {"rel.a", c}});
        break;
    case 3:
        uses.insert(uses.end(), common.begin(), common.end());
        uses.insert(uses.end(), {{"op", 2 * c + 1}, {"npc", 16 * c + 8}});
        break;
    case 4:
        uses.insert(uses.end(), common.begin(), common.end());
        uses.insert(uses.end(), {{"op", 2 * c + 1}, {"insp", c}, {"rel.a", c}});
        break;
    case 5: // pairs: c is the pair's first index x
        if (c % 2 == 0)
            uses.insert(uses.end(), {{"lba", c},
                                     {"rel.a", c},
                                     {"op", c},
                                     {"se.p", c},
                                     {"npc", 8 * c},
                                     {"od.tp", c},
                                     {"cal.t", 8 * c},
                                     {"cal.t", 8 * c + 8},
                                     {"insp", c},
                                     {"regl", c},
                                     {"in.gr", c / 2},
                                     {"n.in.c", 8 * c},
                                     {"n.in.c", 8 * c + 8}});
        break;
    case 6:
        uses.insert(uses.end(), common.begin(), common.end());
        uses.insert(uses.end(),
                    {{"op", 2 * c + 1}, {"insp", c}, {"rel.a", c}, {"lba", c}, {"n.in.c", 8 * c}});
        break;
    }
}

// What the channel pages write for channel position p (index k).
void AddChannelPages(std::vector<Use>& uses, int modification, int p) {
    const int k = ChannelIndexOf(modification, p);
    uses.insert(uses.end(), {{"CAL.t", 8 * p}, {"n.in.c", 8 * p}});
    if (modification == 4)
        uses.insert(uses.end(), {{"insp", p}, {"LBA", p}});
    if (modification == 5)
        uses.insert(uses.end(), {{"e.use", 6 * p}, {"rel.a", p}, {"LBA", p}});
    if (modification == 3 || modification == 6)
        uses.insert(uses.end(), {{"dlp", 2 * p}, {"t.dp", 2 * p}});
    if (modification == 6)
        uses.insert(uses.end(), {{"e.use", 6 * p}, {"rel.a", k}, {"lba", p}});
}

// Graph, setpoint correction and gate-valve partners of channel index k.
void AddChannelIndex(std::vector<Use>& uses, int modification, int k) {
    uses.insert(uses.end(), {{"in.gr", k}, {"node", 10 * k}, {"or.sp", 3 * k}, {"dp", 8 * k}});
    for (int n = 0; n < 10; ++n)
        uses.insert(uses.end(), {{"absc", 10 * k + n}, {"ordn", 10 * k + n}});
    if (modification == 3)
        uses.insert(uses.end(), {{"t.val", k}, {"tp.h", 2 * k}});
    if (modification == 2) // the square-root question of input k+1
        uses.push_back({"Cal.t", 8 * k});
}

// Indexes written or read by name rather than through a screen's list.
std::vector<Use> DirectUses(int modification, int channelCount) {
    std::vector<Use> uses = {{"n.Ch", 0},  {"mod.v", 0}, {"ch.md", 0}, {"dev", 0},  {"ver", 0},
                             {"n.Err", 0}, {"exit", 0},  {"APLY", 0},  {"bPS", 0},  {"LEn", 0},
                             {"PrtY", 0},  {"Sbit", 0},  {"A.Len", 0}, {"Addr", 0}, {"behv", 0},
                             {"ind.r", 0}, {"ind.s", 0}, {"ind.t", 0}, {"in.gr", 0}};
    for (int e = 0; e < 8; ++e) // free-element search and the output-link screen
        uses.insert(uses.end(), {{"S.OE", e}, {"op", 2 * e}});
    for (int c = 0; c < channelCount; ++c)
        AddChannelConfiguration(uses, modification, c);
    for (int p : ChannelPositions(modification, channelCount))
        AddChannelPages(uses, modification, p);
    for (int k = 0; k <= ChannelIndexOf(modification, channelCount - 1); ++k)
        AddChannelIndex(uses, modification, k);
    if (modification == 6) {
        for (int e = 0; e < 8; ++e)
            uses.push_back({"r.el", e});
        uses.insert(uses.end(), {{"t.in.", 3}, {"t.in.", 11}, {"in.", 3}, {"in.", 11}});
    }
    return uses;
}

// The reference lists, two passes each, and the selectors of every screen.
std::vector<Use> ScreenUses(int modification, int channelCount) {
    std::vector<Use> uses;
    for (const ScreenUse& use : ReachableScreens(modification, channelCount)) {
        const ReferenceList list = ScreenReferences(use.screen);
        const int count = CountApplicableReferences(list, modification);
        const std::vector<ResolvedReference> resolved =
            ResolveReferenceList(list, use.baseIndex, modification);
        EXPECT_EQ(static_cast<int>(resolved.size()), count) << ScreenName(use.screen);
        for (const ResolvedReference& r : resolved)
            uses.push_back({r.name, r.index});
        if (const auto selector = SelectorOfKind(use.kind, modification, use.position))
            uses.push_back({selector->name, selector->index});
        if (IsRegulatorKind(use.kind))
            uses.push_back({"Pou", RegulatorIndex(use.kind, use.position)});
    }
    return uses;
}

class BaseCoverageTest : public ::testing::Test {
protected:
    // Looks every use up and fails naming each one the base lacks.
    void ExpectAllFound(const std::vector<Use>& uses, const std::string& where) {
        std::set<std::string> missing;
        for (const Use& use : uses)
            if (Shipped().table.FindParameter(use.name, use.index) == nullptr)
                missing.insert(use.name + ":" + std::to_string(use.index));
        std::string list;
        for (const std::string& key : missing)
            list += " " + key;
        EXPECT_TRUE(missing.empty()) << where << " misses" << list;
        // Each miss is reported to the operator in a box, never silently.
        EXPECT_GE(prompter.Unexpected().size(), missing.size());
        prompter.Clear();
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
};

TEST_F(BaseCoverageTest, ShippedBaseLoadsWhole) {
    EXPECT_EQ(Shipped().loadResult, 0);
    EXPECT_FALSE(Shipped().table.empty());
    EXPECT_EQ(Shipped().table.size(), ShippedRecords().size());
}

TEST_F(BaseCoverageTest, EveryScreenReferenceResolvesToAParameter) {
    for (int modification = 1; modification <= 6; ++modification)
        for (int n : AllowedCounts(modification))
            ExpectAllFound(ScreenUses(modification, n), "modification " +
                                                            std::to_string(modification) + ", " +
                                                            std::to_string(n) + " channels,");
}

TEST_F(BaseCoverageTest, EveryDirectlyUsedIndexIsInTheBase) {
    for (int modification = 1; modification <= 6; ++modification)
        for (int n : AllowedCounts(modification))
            ExpectAllFound(DirectUses(modification, n), "modification " +
                                                            std::to_string(modification) + ", " +
                                                            std::to_string(n) + " channels,");
}

} // namespace
