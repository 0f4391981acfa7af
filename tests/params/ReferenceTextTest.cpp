#include "params/ReferenceText.h"
#include "config/WizardState.h"

#include <gtest/gtest.h>

namespace {

struct ReferenceCase {
    const char* reference;
    int modification;
    int base;
    bool applies;
    const char* name;
    int index;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
    *os << c.reference << " m" << c.modification << " base " << c.base;
}

class Resolve : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(Resolve, GivesNameAndIndex) {
    const ReferenceCase& c = GetParam();
    std::string text = c.reference;
    int index = c.base;
    ASSERT_EQ(ResolveReference(text, index, true, c.modification), c.applies) << c.reference;
    if (c.applies) {
        EXPECT_EQ(text, c.name) << c.reference;
        EXPECT_EQ(index, c.index) << c.reference;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Resolve,
    ::testing::Values(
        ReferenceCase{"SCA*8+3", 1, 2, true, "SCA", 19},
        ReferenceCase{"HYS.C+8", 1, 2, true, "HYS.C", 10},
        ReferenceCase{"a.i.j*6+1", 1, 2, true, "a.i.j", 13},
        ReferenceCase{"db", 1, 2, true, "db", 2}, ReferenceCase{"dp:16", 1, 2, true, "dp", 16},
        ReferenceCase{"dp:56", 4, 7, true, "dp", 56}, ReferenceCase{"OP+14", 1, 0, true, "OP", 14},
        ReferenceCase{"P.-Sp*3", 1, 1, true, "P.-Sp", 3},
        ReferenceCase{"<m3,6>op*2+1", 3, 2, true, "op", 5},
        ReferenceCase{"<m3,6>op*2+1", 6, 2, true, "op", 5},
        ReferenceCase{"<m3,6>op*2+1", 4, 2, false, "", 0},
        ReferenceCase{"<m6>rel.a", 5, 3, false, "", 0},
        ReferenceCase{"<m6>rel.a", 6, 3, true, "rel.a", 3},
        ReferenceCase{"<m4,2,6,5>LG.tY*6", 2, 1, true, "LG.tY", 6},
        ReferenceCase{"<m4,2,6,5>LG.tY*6", 1, 1, false, "", 0},
        // Items that are no number are passed over.
        ReferenceCase{"<mx,,3>db", 3, 1, true, "db", 1},
        // Without '>' the filter runs to the end of the text.
        ReferenceCase{"<m3", 3, 1, true, "", 1}, ReferenceCase{"<m3db", 4, 1, false, "", 0},
        // An index past the int range is held at its limit.
        ReferenceCase{"x:99999999999", 1, 0, true, "x", 2147483647},
        ReferenceCase{"x*99999+99999", 1, 99999, true, "x", 2147483647},
        ReferenceCase{"x+", 1, 4, true, "x", 4}));

TEST(ResolveReference, WithoutComputeIndexOnlyTheFilterGoes) {
    std::string text = "<m3,6>se.p*2";
    int index = 9;
    EXPECT_TRUE(ResolveReference(text, index, false, 3));
    EXPECT_EQ(text, "se.p*2");
    EXPECT_EQ(index, 9);
}

constexpr const char* kLists[] = {"<m3,6>op*2+1", "db", "<m5>LG.tY*6", "", "other", ""};

TEST(ReferenceList, CountsOnlyApplicableEntriesUpToTheEmptyOne) {
    EXPECT_EQ(CountApplicableReferences(kLists, 3), 2);
    EXPECT_EQ(CountApplicableReferences(kLists, 5), 2);
    EXPECT_EQ(CountApplicableReferences(kLists, 1), 1);
    EXPECT_EQ(CountApplicableReferences(std::span(kLists).subspan(4), 1), 1);
}

TEST(ReferenceList, ResolvesEachApplicableEntryInOrder) {
    const auto resolved = ResolveReferenceList(kLists, 2, 6);
    ASSERT_EQ(resolved.size(), 2u);
    EXPECT_EQ(resolved[0].name, "op");
    EXPECT_EQ(resolved[0].index, 5);
    EXPECT_EQ(resolved[1].name, "db");
    EXPECT_EQ(resolved[1].index, 2);
}

} // namespace
