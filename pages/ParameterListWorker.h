#pragma once
// The parameter-list page's reader thread: sleeps until the page asks for a
// table or the exit sets "ExitEvent", then reads the screen. A request made
// while it reads is kept (only the latest) and served afterwards.

#include "config/ScreenTableRead.h"
#include "link/AbortEvent.h"

#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>

class ScreenTableSink;

class ParameterListWorker : public QThread {
    Q_OBJECT
public:
    // read serves one request with the sink the request came with.
    using Reader = std::function<void(const ScreenRequest&, ScreenTableSink&)>;

    ParameterListWorker(const AbortEvent& exitEvent, Reader reader, QObject* parent = nullptr);
    ~ParameterListWorker() override;

    // GUI thread. The sink is used on this thread and must outlive the read.
    void Request(const ScreenRequest& request, std::shared_ptr<ScreenTableSink> sink);
    // Ends the thread after the read in progress and waits for it.
    void Stop();

protected:
    void run() override;

private:
    struct Pending {
        ScreenRequest request;
        std::shared_ptr<ScreenTableSink> sink;
    };

    const AbortEvent& exitEvent;
    Reader reader;
    AbortEvent tableRequest{"TableRequest"};
    std::atomic<bool> stopping{false};
    std::mutex mutex; //!< Guards pending.
    std::optional<Pending> pending;
};
