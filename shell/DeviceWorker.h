#pragma once
// Runs the device procedures that a button or Next starts, one at a time and
// in order, on a thread of their own, so that the GUI thread never waits on
// the serial line. What follows a procedure runs on the GUI thread.

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>

class DeviceWorker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<int()>;
    using Then = std::function<void(int result)>;

    explicit DeviceWorker(QObject* parent = nullptr);
    ~DeviceWorker() override;

    // job runs on the worker thread; then, with job's result, on the GUI
    // thread afterwards, unless receiver is gone or the worker was stopped.
    void Run(QObject* receiver, Job job, Then then = {});
    // Jobs queued or running; counted on the GUI thread.
    bool IsBusy() const { return pending > 0; }

    // Ends the thread once the running job returns (the exit has cut it
    // short); no continuation runs after this.
    void Stop();
    // Stop, and wait until the running job has returned.
    void Join();
    QThread* Thread() { return &thread; }

signals:
    void BusyChanged(bool busy);

private:
    void Finish(const QPointer<QObject>& receiver, const Then& then, int result);

    QThread thread;
    QObject* runner; // lives on the worker thread
    int pending = 0;
    bool started = false;
    bool stopped = false;
};
