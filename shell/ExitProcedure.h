#pragma once
// The stop after the operator agreed to quit: "ExitEvent" cuts every transfer
// short, then the pages' workers get up to 7000 ms each to end. The wait
// polls from the event loop, because a worker may be waiting for the GUI.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <vector>

class AbortEvent;

class ExitProcedure : public QObject {
    Q_OBJECT
public:
    static constexpr int kWorkerWaitMs = 7000;
    static constexpr int kPollMs = 20;

    explicit ExitProcedure(QObject* parent = nullptr);

    // Sets exitEvent and starts waiting; Finished follows, exitEvent reset.
    void Start(AbortEvent& exitEvent, std::vector<QPointer<QThread>> workers);
    bool IsRunning() const { return exitEvent != nullptr; }
    // How long one worker may take; tests shorten it.
    void SetWorkerWait(int ms) { workerWaitMs = ms; }

signals:
    void Finished();

private:
    void Poll();
    void NextWorker();

    AbortEvent* exitEvent = nullptr;
    std::vector<QPointer<QThread>> workers;
    std::size_t current = 0;
    QElapsedTimer clock;
    QTimer poll;
    int workerWaitMs = kWorkerWaitMs;
};
