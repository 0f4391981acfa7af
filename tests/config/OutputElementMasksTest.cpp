#include "config/OutputElementMasks.h"

#include <gtest/gtest.h>

namespace {

TEST(OutputElementMasksTest, AnElementIsTakenOnlyByAnotherChannel) {
    OutputElementMasks masks;
    masks.Assign(0, OutputWhich::First, 2);
    masks.Assign(3, OutputWhich::Second, 7);
    masks.Assign(3, OutputWhich::Second, 5); // replaces 7
    const struct {
        int k, e;
        bool taken;
    } cases[] = {{0, 2, false}, {1, 2, true}, {3, 2, true}, {0, 5, true},
                 {3, 5, false}, {1, 7, false}, {1, 8, false}, {1, -1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(masks.IsElementTaken(c.k, c.e), c.taken) << c.k << ' ' << c.e;
    masks.Clear();
    EXPECT_FALSE(masks.IsElementTaken(1, 2));
}

TEST(OutputElementMasksTest, AssignedNameFallsBackToTheChannelsDefault) {
    OutputElementMasks masks;
    masks.Assign(1, OutputWhich::First, 4);
    const struct {
        int position, modification;
        OutputWhich which;
        const char* name;
        int element;
    } cases[] = {
        {1, 1, OutputWhich::First, "Выходной элемент №5", 4},
        {1, 1, OutputWhich::Second, "Выходной элемент №4", -1},
        {3, 5, OutputWhich::First, "Выходной элемент №5", 4}, // pair 2/3 is channel 1
        {2, 1, OutputWhich::First, "Выходной элемент №5", -1},
        {2, 4, OutputWhich::Second, "Выходной элемент №6", -1},
    };
    for (const auto& c : cases) {
        const AssignedElement a = masks.GetAssignedElementName(c.position, c.which, c.modification);
        EXPECT_EQ(a.name, c.name) << c.position << ' ' << c.modification;
        EXPECT_EQ(a.element, c.element) << c.position << ' ' << c.modification;
    }
}

} // namespace
