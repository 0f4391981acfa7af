#include "controls/CFlyProgressCtrl.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>

#include <gtest/gtest.h>

TEST(CFlyProgressCtrl, PositionRunsPastTheEndByTheBlockThenRestarts) {
    struct Row {
        int position, block, next;
    } rows[] = {{0, 15, 2},   {98, 15, 100}, {113, 15, 115}, {114, 15, 116},
                {115, 15, 0}, {116, 15, 0},  {100, 0, 0},    {99, 0, 101}};
    for (const Row& r : rows)
        EXPECT_EQ(CFlyProgressCtrl::NextPosition(r.position, r.block), r.next)
            << r.position << "/" << r.block;
}

TEST(CFlyProgressCtrl, ErasedPartLeavesABlockEndingAtThePosition) {
    struct Row {
        int position, block, width, erased;
    } rows[] = {{0, 15, 200, 0},     {10, 15, 200, 0},    {15, 15, 200, 0},  {50, 15, 200, 70},
                {100, 15, 200, 170}, {116, 15, 200, 200}, {60, 15, 141, 63}, {40, 0, 100, 40}};
    for (const Row& r : rows)
        EXPECT_EQ(CFlyProgressCtrl::ErasedWidth(r.position, r.block, r.width), r.erased)
            << r.position;
}

namespace {

bool SameColumn(const QImage& a, const QImage& b, int x) {
    for (int y = 0; y < a.height(); ++y)
        if (a.pixel(x, y) != b.pixel(x, y))
            return false;
    return true;
}

// Turns the event loop until the animation reaches position; false on time-out.
bool RunTo(CFlyProgressCtrl& bar, int position) {
    QDeadlineTimer deadline(10000);
    while (bar.Position() != position && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return bar.Position() == position;
}

} // namespace

TEST(CFlyProgressCtrl, NotRunningItLooksLikeAPlainBar) {
    CFlyProgressCtrl fly;
    QProgressBar plain;
    plain.setTextVisible(false);
    for (QProgressBar* bar : {static_cast<QProgressBar*>(&fly), &plain})
        bar->resize(141, 13);
    fly.Prepare(15, 0, false);
    EXPECT_FALSE(fly.IsRunning());
    fly.setValue(40);
    plain.setValue(40);
    EXPECT_EQ(fly.grab().toImage(), plain.grab().toImage());
}

TEST(CFlyProgressCtrl, FlyingBlockErasesTheBarBehindIt) {
    CFlyProgressCtrl bar;
    bar.resize(200, 13);
    bar.Prepare(15, 0, false);
    const QImage empty = bar.grab().toImage();
    bar.StartAnimation(1);
    ASSERT_TRUE(RunTo(bar, 50));
    const QImage flying = bar.grab().toImage();
    EXPECT_EQ(bar.value(), 50);
    EXPECT_TRUE(SameColumn(flying, empty, 40)) << "erased behind the block";
    EXPECT_FALSE(SameColumn(flying, empty, 85)) << "the block itself";
    EXPECT_TRUE(SameColumn(flying, empty, 150)) << "ahead of the block";
    ASSERT_TRUE(RunTo(bar, 110));
    EXPECT_EQ(bar.value(), 100);
    ASSERT_TRUE(RunTo(bar, 0));
    bar.StopAnimation();
    EXPECT_FALSE(bar.IsRunning());
}

TEST(CFlyProgressCtrl, PrepareWithoutPeriodDoesNotStart) {
    CFlyProgressCtrl bar;
    bar.setValue(70);
    bar.Prepare(15, 0, true);
    EXPECT_FALSE(bar.IsRunning());
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.BlockWidth(), 15);
}
