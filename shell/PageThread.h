#pragma once
// A page's own reader thread: runs the body the page gives it, on every
// start. The page registers it with the wizard's workers once, so that the
// exit waits for it, and joins it before the page's window goes.

#include <QThread>

#include <functional>

class PageThread : public QThread {
    Q_OBJECT
public:
    explicit PageThread(QObject* parent = nullptr) : QThread(parent) {}
    // The body must end soon after "ExitEvent" is set; wait() relies on it.
    ~PageThread() override { wait(); }

    void Start(std::function<void()> work) {
        body = std::move(work);
        start();
    }

protected:
    void run() override { body(); }

private:
    std::function<void()> body;
};
