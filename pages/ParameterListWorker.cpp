#include "pages/ParameterListWorker.h"

#include "config/ScreenTableSink.h"
#include "link/AbortableWait.h"

#include <poll.h>

ParameterListWorker::ParameterListWorker(const AbortEvent& exitEvent, Reader reader,
                                         QObject* parent)
    : QThread(parent), exitEvent(exitEvent), reader(std::move(reader)) {}

ParameterListWorker::~ParameterListWorker() {
    Stop();
}

void ParameterListWorker::Request(const ScreenRequest& request,
                                  std::shared_ptr<ScreenTableSink> sink) {
    {
        std::lock_guard hold(mutex);
        pending = Pending{request, std::move(sink)};
    }
    tableRequest.set();
}

void ParameterListWorker::Stop() {
    stopping = true;
    tableRequest.set();
    wait();
}

void ParameterListWorker::run() {
    const AbortableWait wake(tableRequest.fd(), exitEvent);
    while (!stopping) {
        if (wake.until(POLLIN, AbortableWait::Clock::time_point::max()) !=
            AbortableWait::Outcome::Ready)
            return;           // the exit
        tableRequest.reset(); // an auto-reset event: one wake per request
        std::optional<Pending> next;
        {
            std::lock_guard hold(mutex);
            next.swap(pending);
        }
        if (next && !stopping)
            reader(next->request, *next->sink);
    }
}
