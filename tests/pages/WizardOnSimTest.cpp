#include "WizardOnSim.h"

namespace {

// The fixture itself: the wizard's own retried request reaches the simulator
// on the device worker, and a write lands in the journal as text.
TEST_F(WizardOnSim, TheWizardsRequestsReachTheSimulatorAndItsJournal) {
    StartWizard();
    Parameter* name = link().FindParameter("dev", 0);
    Parameter* address = link().FindParameter("Addr", 0);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(address, nullptr);
    int read = -1;
    wizard().RunOnDevice(
        &wizard(),
        [&] {
            const int r = wizard().ReadParameterRequest(*name, 1);
            return r != 0 ? r : wizard().ReadParameterRequest(*address, 1);
        },
        [&](int result) { read = result; });
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(read, 0);
    EXPECT_EQ(name->value, "ZRK640");
    EXPECT_TRUE(NewJournal().empty());
    address->value = "17";
    wizard().RunOnDevice(&wizard(), [&] { return wizard().WriteParameterRequest(*address, 1); }, {});
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"Addr[0]=17"});
}

} // namespace
