#include "SimulatedDevice.h"

#include "device/LinkSettingsChange.h"

#include <gtest/gtest.h>

namespace {

// After the port page's writes the controller must still answer; when it
// does not, the operator is told how to get it back.
TEST(LinkConfirm, ASilentControllerAfterApplyGetsTheRecoveryAdvice) {
    SimulatedDevice device;
    std::string error;
    ASSERT_TRUE(device.Start(error)) << error;
    std::vector<std::string> report;
    EXPECT_TRUE(LinkSettingsChange(device.Link(), device.Operations()).Confirm(report));
    EXPECT_TRUE(report.empty());

    FaultSettings silent = device.Sim().Faults();
    silent.silentAfter = 0;
    device.Sim().SetFaults(silent);
    EXPECT_FALSE(LinkSettingsChange(device.Link(), device.Operations()).Confirm(report));
    ASSERT_EQ(report.size(), 2u);
    EXPECT_NE(report[1].find("сбросом с передней панели"), std::string::npos) << report[1];
}

} // namespace
