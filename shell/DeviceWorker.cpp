#include "shell/DeviceWorker.h"

#include <QMetaObject>

DeviceWorker::DeviceWorker(QObject* parent) : QObject(parent), runner(new QObject) {
    thread.setObjectName("device worker");
    runner->moveToThread(&thread);
    connect(&thread, &QThread::finished, runner, &QObject::deleteLater);
}

DeviceWorker::~DeviceWorker() {
    Join();
    if (!started)
        delete runner;
}

void DeviceWorker::Run(QObject* receiver, Job job, Then then) {
    if (stopped)
        return;
    // The thread starts with the first job, not with the window.
    if (!started) {
        started = true;
        thread.start();
    }
    if (pending++ == 0)
        emit BusyChanged(true);
    QPointer<QObject> target(receiver);
    QMetaObject::invokeMethod(
        runner,
        [this, target, job = std::move(job), then = std::move(then)] {
            const int result = job();
            QMetaObject::invokeMethod(
                this, [this, target, then, result] { Finish(target, then, result); },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void DeviceWorker::Finish(const QPointer<QObject>& receiver, const Then& then, int result) {
    if (stopped)
        return;
    if (--pending == 0)
        emit BusyChanged(false);
    if (then && receiver)
        then(result);
}

void DeviceWorker::Stop() {
    stopped = true;
    thread.quit();
}

void DeviceWorker::Join() {
    Stop();
    thread.wait();
}
