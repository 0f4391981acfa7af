// Held link settings, "APLY", the front-panel reset, line settings and the
// change of modification.

#include "SimBench.h"

#include "link/NetworkErrors.h"

namespace {

class LinkSettingsTest : public SimBench {
protected:
    void UseAddress(int address) { link.Port().set_device_address(address); }
};

TEST_F(LinkSettingsTest, NewAddressTakesEffectOnlyWithApply) {
    StartSim();
    ASSERT_EQ(Write("Addr", 0, "20"), 0);
    ASSERT_EQ(Write("A.Len", 0, "11"), 0);
    EXPECT_EQ(Value("dev"), "ZRK640"); // still at 16, 8-bit
    ASSERT_EQ(Write("APLY", 0, ""), 0);
    EXPECT_EQ(Read("dev"), kLinkNoReply);
    UseAddress(20);
    link.Port().set_address_length(11);
    EXPECT_EQ(Value("dev"), "ZRK640");
    EXPECT_EQ(sim->ActiveLink().address, 20);
}

TEST_F(LinkSettingsTest, ApplyRefusesAnAddressTheFramesCannotCarry) {
    StartSim();
    ASSERT_EQ(Write("Addr", 0, "300"), 0); // 8-bit addresses end at 255
    EXPECT_EQ(Write("APLY", 0, ""), kLinkError);
    EXPECT_EQ(P("APLY").message, ErrorText(NetworkErrors::kInvalidCombination));
    EXPECT_EQ(Value("dev"), "ZRK640");
}

TEST_F(LinkSettingsTest, FrontPanelResetRestoresTheStandardSettings) {
    Simulator::Options o = Defaults();
    o.link = LinkConfig{115200, 8, 0, 1, 8, 40};
    StartSim(o);
    EXPECT_EQ(Read("dev"), kLinkNoReply); // wrong rate and address
    sim->FrontPanelReset();
    EXPECT_EQ(Value("dev"), "ZRK640");
    EXPECT_EQ(Value("exit"), "Адрес прибора: 16");
    EXPECT_EQ(Value("bPS"), "9600");
}

TEST_F(LinkSettingsTest, OtherLineSettingsHearNothing) {
    StartSim();
    const struct {
        std::uint32_t baud;
        int stopBits;
        int expected;
    } cases[] = {{19200, 1, kLinkNoReply}, {9600, 2, kLinkNoReply}, {9600, 1, kLinkOk}};
    for (const auto& c : cases) {
        link.Port().close();
        link.Port().settings().baud_rate = c.baud;
        link.Port().settings().stop_bits = c.stopBits;
        ASSERT_EQ(link.Port().open(), 0);
        EXPECT_EQ(Read("dev"), c.expected) << c.baud << ' ' << c.stopBits;
    }
}

TEST_F(LinkSettingsTest, ModificationChangeIsSilentWhileBusyThenStartsAfresh) {
    Simulator::Options o = Defaults();
    o.model.changeTime = std::chrono::milliseconds(2000); // longer than four time-outs
    StartSim(o);
    ASSERT_EQ(Write("mod.v", 0, "1"), 0); // the probe: its own value
    ASSERT_EQ(Write("n.Ch", 0, "4"), 0);
    ASSERT_EQ(Write("Addr", 0, "20"), 0);
    ASSERT_EQ(Write("ch.md", 0, "3"), 0);
    EXPECT_TRUE(sim->Busy());
    EXPECT_EQ(Read("dev"), kLinkNoReply);
    int answer = kLinkNoReply;
    for (int tries = 0; tries < 20 && answer != 0; ++tries)
        answer = Read("mod.v"); // each try waits one time-out
    ASSERT_EQ(answer, 0);
    EXPECT_EQ(P("mod.v").value, "3");
    EXPECT_EQ(Value("n.Ch"), "1");
    EXPECT_EQ(Value("Addr"), "16");
}

TEST_F(LinkSettingsTest, ResetRequestKeepsTheModificationAndReturnsInitialValues) {
    Simulator::Options o = Defaults();
    o.model.modification = 4;
    StartSim(o);
    ASSERT_EQ(Write("Sp.lu", 0, "42"), 0);
    ASSERT_EQ(Write("mod.v", 0, "255"), 0);
    EXPECT_EQ(Value("mod.v"), "4");
    EXPECT_EQ(Value("Sp.lu", 0), "100.000");
}

TEST_F(LinkSettingsTest, FrontPanelMenuRefusesTheProbeButAnswersReads) {
    StartSim();
    sim->SetMenu(true);
    EXPECT_EQ(Write("mod.v", 0, "1"), kLinkError);
    EXPECT_EQ(P("mod.v").message, ErrorText(NetworkErrors::kBusy));
    EXPECT_EQ(Value("mod.v"), "1");
    sim->SetMenu(false);
    EXPECT_EQ(Write("mod.v", 0, "1"), 0);
}

TEST_F(LinkSettingsTest, ChannelCountStaysWithinTheModification) {
    Simulator::Options o = Defaults();
    o.model.modification = 6;
    StartSim(o);
    EXPECT_EQ(Write("n.Ch", 0, "3"), kLinkError);
    EXPECT_EQ(P("n.Ch").message, ErrorText(NetworkErrors::kInvalidCombination));
    EXPECT_EQ(Write("n.Ch", 0, "2"), 0);
}

} // namespace
