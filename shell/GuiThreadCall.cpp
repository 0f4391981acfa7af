#include "shell/GuiThreadCall.h"

#include "link/AbortEvent.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

namespace {

// Whoever claims the call first decides: the GUI thread runs it, or the
// worker gives it up.
struct PendingCall {
    std::promise<int> answer;
    std::atomic<bool> claimed{false};

    bool Claim() {
        bool expected = false;
        return claimed.compare_exchange_strong(expected, true);
    }
};

} // namespace

int GuiThreadCall::Run(QObject* context, const AbortEvent& exitEvent, std::function<int()> call,
                       int abandoned) {
    if (QThread::currentThread() == context->thread())
        return call();
    auto pending = std::make_shared<PendingCall>();
    std::future<int> answer = pending->answer.get_future();
    QMetaObject::invokeMethod(
        context,
        [pending, call = std::move(call)] {
            if (pending->Claim())
                pending->answer.set_value(call());
        },
        Qt::QueuedConnection);
    while (answer.wait_for(std::chrono::milliseconds(kSliceMs)) != std::future_status::ready)
        if (exitEvent.is_set() && pending->Claim())
            return abandoned;
    return answer.get();
}
