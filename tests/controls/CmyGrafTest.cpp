#include "controls/CmyGraf.h"
#include "CurvePixels.h"

#include <QImage>
#include <QMouseEvent>
#include <QToolTip>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

const GraphLimits kLimits{0, 100, 0, 100};

struct GrafFixture : testing::Test {
    CmyGraf graf;
    GrafFixture() {
        graf.resize(291, 294);
        graf.SetGraphNumber(3);
    }
    QImage Grab() { return graf.grab().toImage(); }
    QPointF NodePx(int i) {
        const PixelPoint& p = graf.Layout().pixels.at(i);
        return graf.Units().ToPixels(p.X, p.Y);
    }
};

} // namespace

TEST_F(GrafFixture, CurveJoinsTheNodesInRed) {
    graf.Rebuild(kLimits, {{10, 10, true}, {50, 80, true}, {90, 20, true}});
    const QImage image = Grab();
    for (int i = 0; i < 2; ++i) {
        const QPointF middle = (NodePx(i) + NodePx(i + 1)) / 2;
        EXPECT_TRUE(RedNear(image, middle)) << "segment " << i;
    }
    // The corner away from the curve stays white.
    EXPECT_EQ(image.pixel(NodePx(0).toPoint() + QPoint(20, -60)), qRgb(255, 255, 255));
}

TEST_F(GrafFixture, OneNodeDrawsNoCurveButStillTheAxes) {
    graf.Rebuild(kLimits, {{10, 10, true}});
    const QImage image = Grab();
    EXPECT_EQ(CountRed(image), 0);
    EXPECT_TRUE(graf.AxisLabels().empty());
    const GraphUnits u = graf.Units();
    const QPointF origin = u.ToPixels(graf.Layout().left + 20, graf.Layout().bottom);
    EXPECT_TRUE(Near(image, origin, 1, [](QRgb c) { return c == qRgb(0, 0, 0); })) << "x axis";
}

TEST_F(GrafFixture, NodesWithoutDataDrawNoCurve) {
    graf.Rebuild(kLimits, {GraphNodeFromTexts("Нет данных", "1"), {50, 50, true}});
    EXPECT_EQ(graf.Layout().points.size(), 1u);
    EXPECT_EQ(CountRed(Grab()), 0);
}

TEST_F(GrafFixture, EqualXNodesPaintWithoutTrouble) {
    graf.Rebuild(kLimits, {{40, 10, true}, {40, 90, true}});
    EXPECT_TRUE(RedNear(Grab(), (NodePx(0) + NodePx(1)) / 2));
}

TEST_F(GrafFixture, ResizeKeepsTheNodesInsideTheControl) {
    graf.Rebuild(kLimits, {{0, 0, true}, {100, 100, true}});
    graf.resize(600, 400);
    EXPECT_TRUE(graf.rect().contains(NodePx(1).toPoint()));
    EXPECT_GT(NodePx(1).x(), 400);
}

TEST_F(GrafFixture, HoverOverANodeShowsItsCoordinates) {
    graf.Rebuild(kLimits, {{12.5, 20, true}, {80, 60, true}});
    graf.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&graf));
    QTest::mouseMove(&graf, NodePx(1).toPoint());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("X = 80.000\nY = 60.000"));
    QTest::mouseMove(&graf, NodePx(0).toPoint() + QPoint(1, 0));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("X = 12.500\nY = 20.000"));
    graf.hide();
}

// Range labels stay whole beside and below their axes, apart from each other,
// for wide and narrow numbers and small and large controls.
struct LabelRow {
    const char* name;
    GraphLimits limits;
    std::vector<GraphNode> nodes;
    QSize size;
};

TEST_F(GrafFixture, RangeLabelsKeepToTheirRoomWithoutOverlapping) {
    const LabelRow rows[] = {
        {"percent", kLimits, {{0, 0, true}, {50, 50, true}}, {291, 294}},
        {"wide numbers", {-1000, 9999, -1000, 99999}, {{-1000, -999, true}, {9999, 99999, true}}, {291, 294}},
        {"small control", kLimits, {{0, 0.001, true}, {100, 99.5, true}}, {160, 150}},
        {"large control", {0, 1, 0, 1}, {{0, 0, true}, {1, 1, true}}, {900, 700}},
    };
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        graf.resize(row.size);
        graf.Rebuild(row.limits, row.nodes);
        const std::vector<AxisLabel> labels = graf.AxisLabels();
        ASSERT_EQ(labels.size(), 4u);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const AxisLabel& label = labels[i];
            EXPECT_TRUE(label.room.contains(label.box)) << label.text.toStdString();
            EXPECT_TRUE(QRectF(graf.rect()).contains(label.box)) << label.text.toStdString();
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(labels[j].box.intersects(label.box))
                    << labels[j].text.toStdString() << " and " << label.text.toStdString();
        }
        // The y labels end left of the y axis, which the nodes keep right of.
        const double axis = graf.Units().ToPixels(graf.Layout().left, 0).x();
        EXPECT_LT(labels[2].box.right(), axis);
        EXPECT_LT(axis, NodePx(0).x());
    }
}
