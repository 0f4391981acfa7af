#pragma once
// A request a worker thread makes of the GUI: it runs on the GUI thread, and
// the worker waits for the answer in short slices, giving up once "ExitEvent"
// is set, so that a worker never hangs on a GUI that is closing.

#include <functional>

class AbortEvent;
class QObject;

class GuiThreadCall {
public:
    static constexpr int kSliceMs = 20;

    // On context's thread the call runs at once. From another thread it is
    // queued there and waited for; when exitEvent is set before it starts it
    // is skipped and abandoned is returned.
    static int Run(QObject* context, const AbortEvent& exitEvent, std::function<int()> call,
                   int abandoned);
};
