// The command line and the line-settings comparison.

#include "sim/LineProbe.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(SimOptionsTest, ValuesOutOfRangeOrUnknownOptionsAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--modification", "7"}, {"--modification", "x"}, {"--address", "2048"},
        {"--drop", "101"},       {"--change-time"},       {"--frobnicate"},
        {"--parity", "3"},       {"--no-pty"},            {"--model", ""},
        {"--pace=x"},            {"--pace=-1"},           {"--pace="},
        {"--address", "1,1"},    {"--address", "3-1"},    {"--address", "254-256"},
    };
    for (const auto& args : bad) {
        SimOptions o;
        std::string error;
        EXPECT_FALSE(o.Parse(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimOptionsTest, GoodValuesLand) {
    SimOptions o;
    std::string error;
    ASSERT_TRUE(o.Parse({"--modification", "5", "--address", "300", "--address-length", "11",
                         "--drop", "30", "--silent-after", "4", "--menu", "--change-time", "10"},
                        error))
        << error;
    EXPECT_EQ(o.sim.model.modification, 5);
    ASSERT_TRUE(o.sim.link.has_value());
    EXPECT_EQ(o.sim.link->address, 300);
    EXPECT_EQ(o.sim.link->addressLength, 11);
    EXPECT_EQ(o.sim.faults.dropPercent, 30);
    EXPECT_EQ(o.sim.faults.silentAfter, 4);
    EXPECT_TRUE(o.sim.menu);
    EXPECT_EQ(o.sim.model.changeTime.count(), 10);
    EXPECT_FALSE(o.server.pace.has_value());
    EXPECT_TRUE(o.sim.addresses.empty());
    ASSERT_TRUE(o.Parse({"--address", "7,1-3"}, error)) << error;
    EXPECT_EQ(o.sim.addresses, (std::vector<int>{7, 1, 2, 3}));
    EXPECT_EQ(o.sim.link->address, 7);
    ASSERT_TRUE(o.Parse({"--pace"}, error)) << error;
    EXPECT_EQ(o.server.pace, SimServer::kDefaultTurnaround);
    ASSERT_TRUE(o.Parse({"--pace=12"}, error)) << error;
    EXPECT_EQ(o.server.pace, std::chrono::milliseconds(12));
}

TEST(LineProbeTest, ComparesWhatTheLineShows) {
    const LinkConfig link{19200, 8, 1, 2, 8, 16};
    const struct {
        LineState line;
        bool matches;
    } cases[] = {
        {{19200, 8, false, 0, 2}, true},   // a pty: parity and data bits unseen
        {{9600, 8, false, 0, 2}, false},
        {{19200, 8, false, 0, 1}, false},
        {{19200, 8, true, 1, 2}, true},
        {{19200, 8, true, 2, 2}, false},
        {{19200, 7, true, 1, 2}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LineProbe::Matches(c.line, link), c.matches) << c.line.baud;
}

} // namespace
