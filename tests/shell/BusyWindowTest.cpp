#include "shell/BusyWindow.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QProgressBar* Bar(BusyWindow* window) { return window->findChild<QProgressBar*>("1043"); }

TEST(BusyWindow, OpensWithItsTextIconAndAnEmptyBar) {
    QWidget owner;
    owner.show();
    QPointer<BusyWindow> window = BusyWindow::Open(&owner, "Конфигурирование каналов...", 4);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    auto* text = window->findChild<QLabel*>("1063");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Конфигурирование каналов...");
    auto* icon = window->findChild<QLabel*>("1026");
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull()) << "icon 190 must be in the resources";
    ASSERT_NE(Bar(window), nullptr);
    EXPECT_EQ(Bar(window)->minimum(), 0);
    EXPECT_EQ(Bar(window)->maximum(), 100);
    EXPECT_EQ(window->Progress(), 0);
    window->Close();
}

struct StepCase {
    int stepCount;
    int steps;
    int expected;
};

TEST(BusyWindow, StepsAdvanceByTheShareOfEachStepAndStopAtTheEnd) {
    const StepCase cases[] = {
        {4, 1, 25}, {4, 4, 100}, {3, 3, 99}, {3, 5, 100}, {0, 1, 100}, {-2, 1, 100}, {8, 2, 24},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stepCount << " steps, stepped " << c.steps);
        BusyWindow* window = BusyWindow::Open(nullptr, "x", c.stepCount);
        for (int i = 0; i < c.steps; ++i)
            window->Step();
        EXPECT_EQ(window->Progress(), c.expected);
        window->Close();
    }
}

TEST(BusyWindow, OnlyItsCallerClosesIt) {
    QPointer<BusyWindow> window = BusyWindow::Open(nullptr, "x", 2);
    QTest::keyClick(window, Qt::Key_Escape);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window) << "the caller still holds it";
    EXPECT_TRUE(window->isVisible());
    window->Close();
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

} // namespace
