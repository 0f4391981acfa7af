// The one change of the channel count: its writes follow a count the
// controller took, and a refused count leaves the controller as it was.

#include "ConfigBench.h"

#include "config/ChannelCountChange.h"

namespace {

using Lines = std::vector<std::string>;

class ChannelCountChangeTest : public ConfigBench {
protected:
    int Change(int modification, int from, int to) {
        StartDevice(modification);
        Preset("n.Ch", 0, std::to_string(from));
        Parameter& count = device.Table("n.Ch", 0);
        count.value = std::to_string(to);
        return ChannelCountChange(device.Operations(), device.Link().Table(), progress)
            .Run(count, modification);
    }

    bool Wrote(const std::string& head) {
        for (const std::string& line : Journal())
            if (line.rfind(head, 0) == 0)
                return true;
        return false;
    }
};

// Modification 6 takes at most two channels: three are refused at the first
// step, and neither the outputs nor the computing blocks are touched.
TEST_F(ChannelCountChangeTest, ARefusedCountWritesNoneOfTheFollowUps) {
    EXPECT_NE(Change(6, 2, 3), kLinkOk);
    EXPECT_FALSE(Wrote("r.el["));
    EXPECT_FALSE(Wrote("t.in.["));
    EXPECT_FALSE(Wrote("op[0]="));
    EXPECT_EQ(device.Stored("n.Ch", 0), "2");
}

// The same count again reshapes nothing, but the follow-ups still run, as
// the count page runs them after every confirmed count.
TEST_F(ChannelCountChangeTest, TheSameCountStillGetsTheFollowUps) {
    EXPECT_EQ(Change(6, 2, 2), kLinkOk);
    EXPECT_FALSE(Wrote("n.Ch["));
    EXPECT_TRUE(Wrote("r.el[7]="));
    EXPECT_TRUE(Wrote("in.[11]=7"));
    EXPECT_TRUE(Wrote("se.p[2]=Отключен"));
}

} // namespace
