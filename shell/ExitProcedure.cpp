#include "shell/ExitProcedure.h"

#include "link/AbortEvent.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(exitLog, "zrk640.exit")

} // namespace

ExitProcedure::ExitProcedure(QObject* parent) : QObject(parent), poll(this) {
    poll.setInterval(kPollMs);
    connect(&poll, &QTimer::timeout, this, &ExitProcedure::Poll);
}

void ExitProcedure::Start(AbortEvent& event, std::vector<QPointer<QThread>> threads) {
    if (IsRunning())
        return;
    exitEvent = &event;
    workers = std::move(threads);
    current = 0;
    exitEvent->set();
    clock.start();
    poll.start();
    Poll();
}

void ExitProcedure::Poll() {
    while (current < workers.size()) {
        QThread* worker = workers[current];
        if (worker && !worker->isFinished() && worker->isRunning()) {
            if (clock.elapsed() < workerWaitMs)
                return;
            // Killing it could leave the device lock held: it is left alone.
            qCWarning(exitLog) << "a page worker did not end within" << workerWaitMs << "ms";
        }
        NextWorker();
    }
    poll.stop();
    exitEvent->reset();
    exitEvent = nullptr;
    emit Finished();
}

void ExitProcedure::NextWorker() {
    ++current;
    clock.restart();
}
