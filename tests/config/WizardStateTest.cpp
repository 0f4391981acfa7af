#include "config/WizardState.h"

#include <gtest/gtest.h>

namespace {

TEST(IsChoiceAllowed, ReadsTheVisibilityMask) {
    struct Case {
        std::uint8_t mask;
        int modification;
        bool allowed;
    } cases[] = {
        {0x00, 3, true},   {0x80, 1, false}, {0x81, 2, false}, {0x06, 1, true},
        {0x06, 2, false},  {0x06, 3, false}, {0x06, 4, true},  {0x01, 0, false},
        {0x01, -5, false}, {0x02, 0, true},  {0x20, 6, false}, {0x7F, 9, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsChoiceAllowed(c.mask, c.modification), c.allowed)
            << "mask " << int(c.mask) << " modification " << c.modification;
}

} // namespace
