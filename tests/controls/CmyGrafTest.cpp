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
    const GraphUnits u = graf.Units();
    const QPointF origin = u.ToPixels(graf.Layout().mx + 20, graf.Layout().my);
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
