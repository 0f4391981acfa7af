#pragma once
// Lets the event loop run until a condition holds (or a generous limit
// passes), so tests wait for timers without asserting on wall-clock times.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

template <typename Condition>
bool WaitUntil(Condition condition, int limitMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > limitMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}
