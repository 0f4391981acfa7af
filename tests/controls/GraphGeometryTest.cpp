#include "render/GraphGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A client area of 1000 x 800 drawing units: mx 70, my 56, the plot spans
// x 147..860 (713 units wide) and y 112..688 (576 units high).
constexpr int kWidth = 1000;
constexpr int kHeight = 800;
const GraphLimits kLimits{-100, 100, -50, 50};

GraphNode Node(double x, double y) {
    return {x, y, true};
}

GraphLayout Layout(const std::vector<GraphNode>& nodes) {
    return LayoutGraph(kLimits, nodes, kWidth, kHeight);
}

} // namespace

TEST(GraphGeometry, RangesStartInvertedAndWidenToTheNodes) {
    const GraphLayout g = Layout({Node(10, 5), Node(30, -2)});
    EXPECT_EQ(g.mx, 70);
    EXPECT_EQ(g.my, 56);
    EXPECT_DOUBLE_EQ(g.xLo, 10);
    EXPECT_DOUBLE_EQ(g.xHi, 30);
    EXPECT_DOUBLE_EQ(g.yLo, -2);
    EXPECT_DOUBLE_EQ(g.yHi, 5);
    EXPECT_DOUBLE_EQ(g.xScale, 20.0 / (kWidth - 4 * 70 - 7));
    EXPECT_DOUBLE_EQ(g.yScale, 7.0 / (kHeight - 4 * 56));
}

TEST(GraphGeometry, RangeEndsLandOnThePlotEdges) {
    const GraphLayout g = Layout({Node(10, 5), Node(30, -2)});
    ASSERT_EQ(g.pixels.size(), 2u);
    EXPECT_EQ(g.pixels[0].X, 2 * 70 + 7);
    EXPECT_NEAR(g.pixels[0].Y, 688, 1);
    EXPECT_NEAR(g.pixels[1].X, 860, 1);
    EXPECT_EQ(g.pixels[1].Y, 2 * 56);
}

TEST(GraphGeometry, OneNodeKeepsItsPointAndTheInvertedRangeAroundIt) {
    const GraphLayout g = Layout({Node(7, 3)});
    ASSERT_EQ(g.points.size(), 1u);
    EXPECT_DOUBLE_EQ(g.xLo, 7);
    EXPECT_DOUBLE_EQ(g.xHi, 7);
    EXPECT_DOUBLE_EQ(g.xScale, 1.0);
    EXPECT_DOUBLE_EQ(g.yScale, 1.0);
}

TEST(GraphGeometry, EqualYGivesUnitScaleAndTheLowerEdge) {
    const GraphLayout g = Layout({Node(0, 4), Node(10, 4), Node(20, 4)});
    EXPECT_DOUBLE_EQ(g.yScale, 1.0);
    for (const PixelPoint& p : g.pixels)
        EXPECT_EQ(p.Y, 2 * g.my);
}

TEST(GraphGeometry, NodesOutOfOrderAreSortedByXWithTheirY) {
    const GraphLayout g = Layout({Node(30, 3), Node(10, 1), Node(20, 2), Node(10, 9)});
    ASSERT_EQ(g.points.size(), 4u);
    const double xs[] = {10, 10, 20, 30};
    const double ys[] = {1, 9, 2, 3}; // equal x keep their order
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(g.points[i].x, xs[i]) << i;
        EXPECT_DOUBLE_EQ(g.points[i].y, ys[i]) << i;
    }
    for (int i = 1; i < 4; ++i)
        EXPECT_LE(g.pixels[i - 1].X, g.pixels[i].X);
}

TEST(GraphGeometry, NodesWithoutDataAreLeftOut) {
    const std::vector<GraphNode> nodes = {
        GraphNodeFromTexts("10", "1"),          GraphNodeFromTexts("Нет данных", "2"),
        GraphNodeFromTexts("20", "Нет данных"), GraphNodeFromTexts("30.5", "-3.25"),
        GraphNodeFromTexts("abc", "1"),         GraphNodeFromTexts("", "")};
    const GraphLayout g = Layout(nodes);
    ASSERT_EQ(g.points.size(), 2u);
    EXPECT_DOUBLE_EQ(g.points[1].x, 30.5);
    EXPECT_DOUBLE_EQ(g.points[1].y, -3.25);
    EXPECT_DOUBLE_EQ(g.xHi, 30.5);
}

TEST(GraphGeometry, NodeTextsParse) {
    struct Row {
        const char* x;
        const char* y;
        bool valid;
    } rows[] = {{"1.5", "-2", true},   {" 3 ", "+4", true}, {"1e3", "0", true},
                {"1,5", "0", false},   {"nan", "0", false}, {"inf", "0", false},
                {"12abc", "0", false}, {"0", "", false}};
    for (const Row& r : rows)
        EXPECT_EQ(GraphNodeFromTexts(r.x, r.y).valid, r.valid) << r.x << " " << r.y;
}

TEST(GraphGeometry, ExtensionOfAVerticalSegmentUsesDenominatorOne) {
    EXPECT_EQ(ExtensionY({100, 50}, {200, 150}, 0), -50);
    EXPECT_EQ(ExtensionY({100, 50}, {200, 150}, 300), 250);
    EXPECT_EQ(ExtensionY({100, 50}, {100, 60}, 90), -50);
    EXPECT_EQ(ExtensionY({100, 50}, {100, 60}, 103), 80);
}

TEST(GraphGeometry, EqualXNodesStillLayOut) {
    const GraphLayout g = Layout({Node(10, 1), Node(10, 5)});
    ASSERT_EQ(g.pixels.size(), 2u);
    EXPECT_EQ(g.pixels[0].X, g.pixels[1].X);
    EXPECT_DOUBLE_EQ(g.xScale, 1.0);
}

TEST(GraphGeometry, LabelsByMagnitude) {
    struct Row {
        double value;
        const char* text;
    } rows[] = {{5, "5.000"},     {12.5, "12.50"},    {250, "250.0"}, {1500, "1500"},
                {-20, "-20.000"}, {9.9999, "10.000"}, {0, "0.000"},   {99.5, "99.50"}};
    for (const Row& r : rows)
        EXPECT_EQ(GraphLabel(r.value), r.text) << r.value;
}

TEST(GraphGeometry, TipTextAndHitSquare) {
    EXPECT_EQ(NodeTipText({12.5, -3}), "X = 12.500\nY = -3.000");
    const std::vector<PixelPoint> pixels = {{100, 100}, {130, 100}};
    EXPECT_EQ(NodeAt(pixels, 80, 80), 0);
    EXPECT_EQ(NodeAt(pixels, 119, 119), 0); // first match wins over the overlap
    EXPECT_EQ(NodeAt(pixels, 120, 100), 1);
    EXPECT_EQ(NodeAt(pixels, 79, 100), -1);
    EXPECT_EQ(NodeAt(pixels, 100, 120), -1);
    EXPECT_EQ(NodeAt({}, 0, 0), -1);
}

TEST(GraphGeometry, AbsurdSizesAndLimitsStayDefined) {
    const double big = std::numeric_limits<double>::max();
    const GraphLimits wide{-big, big, -big, big};
    const GraphLayout g = LayoutGraph(wide, {Node(-big, 0), Node(big, 1)}, 5, 5);
    ASSERT_EQ(g.pixels.size(), 2u);
    EXPECT_GE(g.xScale, 0.0);
    const GraphLayout empty = LayoutGraph(kLimits, {}, 0, 0);
    EXPECT_TRUE(empty.pixels.empty());
}
