// The setpoint-correction graph of a channel, written to the simulated
// controller, read back and drawn.

#include "CurvePixels.h"
#include "Screenshot.h"
#include "SimulatedDevice.h"
#include "controls/CmyGraf.h"
#include "link/DeviceErrorTexts.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "shell/FontFallback.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kChannel = 1; // the second channel: nodes at 10..19
constexpr int kFirst = 10 * kChannel;

struct Node {
    const char* x;
    const char* y;
};

// Ascending X, as the device requires before it takes a node count.
const Node kNodes[] = {{"-20.0", "3.0"}, {"5.5", "-1.5"}, {"40.0", "12.0"}, {"75.0", "0.5"}};
constexpr int kNodeCount = 4;

class GraphOnDevice : public testing::Test {
protected:
    void SetUp() override {
        FontFallback::Install();
        std::string error;
        ASSERT_TRUE(device.Start(error)) << error;
    }
    void TearDown() override { EXPECT_EQ(prompter.UnexpectedTexts(), ""); }

    int Write(const char* name, int index, const std::string& value) {
        Parameter& p = device.Table(name, index);
        p.value = value;
        return device.Operations().WriteChannelParameter(&p);
    }
    // The node count and the nodes as the graph page reads them.
    std::vector<GraphNode> ReadNodes() {
        const int count = std::stoi(device.ReadFresh("node", kFirst).value);
        std::vector<GraphNode> nodes;
        for (int n = 0; n < count; ++n)
            nodes.push_back(GraphNodeFromTexts(device.ReadFresh("absc", kFirst + n).value,
                                               device.ReadFresh("ordn", kFirst + n).value));
        return nodes;
    }
    GraphLimits Limits() {
        const Parameter& x = device.Table("absc", kFirst);
        const Parameter& y = device.Table("ordn", kFirst);
        return {x.lower, x.upper, y.lower, y.upper};
    }
    QPointF NodePx(int i) const {
        const PixelPoint& p = graf.Layout().pixels.at(i);
        return graf.Units().ToPixels(p.X, p.Y);
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    SimulatedDevice device;
    CmyGraf graf;
};

TEST_F(GraphOnDevice, NodesWrittenToTheDeviceAreDrawnInOrder) {
    ASSERT_EQ(device.ReadFresh("node", kFirst).value, "0");
    for (int n = 0; n < kNodeCount; ++n) {
        ASSERT_EQ(Write("absc", kFirst + n, kNodes[n].x), kLinkOk);
        ASSERT_EQ(Write("ordn", kFirst + n, kNodes[n].y), kLinkOk);
    }
    ASSERT_EQ(Write("node", kFirst, std::to_string(kNodeCount)), kLinkOk);

    // With nodes in use the device keeps its X values.
    EXPECT_EQ(Write("absc", kFirst + 1, "6.0"), kLinkError);
    std::string refused;
    network_error_text(74, 1, refused);
    EXPECT_EQ(device.Table("absc", kFirst + 1).message, refused);

    graf.resize(291, 294);
    graf.SetGraphNumber(kChannel + 1);
    graf.Rebuild(Limits(), ReadNodes());
    const GraphLayout& layout = graf.Layout();
    ASSERT_EQ(layout.points.size(), std::size_t(kNodeCount));
    for (int n = 0; n < kNodeCount; ++n) {
        EXPECT_DOUBLE_EQ(layout.points[n].x, std::stod(kNodes[n].x)) << n;
        EXPECT_DOUBLE_EQ(layout.points[n].y, std::stod(kNodes[n].y)) << n;
        if (n > 0) {
            EXPECT_GT(layout.pixels[n].X, layout.pixels[n - 1].X) << n;
        }
    }
    EXPECT_DOUBLE_EQ(layout.xLo, -20.0);
    EXPECT_DOUBLE_EQ(layout.xHi, 75.0);
    EXPECT_DOUBLE_EQ(layout.yLo, -1.5);
    EXPECT_DOUBLE_EQ(layout.yHi, 12.0);

    const QPixmap picture = graf.grab();
    const QImage image = picture.toImage();
    for (int n = 0; n + 1 < kNodeCount; ++n)
        EXPECT_TRUE(RedNear(image, (NodePx(n) + NodePx(n + 1)) / 2)) << "segment " << n;
    SaveScreenshot(picture, "e2e_graph");
}

} // namespace
