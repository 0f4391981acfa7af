#pragma once
// One wait on a descriptor that an AbortEvent can cut short, against an
// absolute CLOCK_MONOTONIC deadline.

#include <chrono>

#include "link/AbortEvent.h"

class AbortableWait {
public:
    enum class Outcome { Ready, Aborted, TimedOut, Gone };
    using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC

    AbortableWait(int fd, const AbortEvent& abort) : fd_(fd), abort_(abort) {}

    // Waits for events (POLLIN or POLLOUT) on the descriptor. Gone: the
    // device hung up or failed. Clock::time_point::max() waits without limit.
    Outcome until(short events, Clock::time_point deadline) const;

private:
    int fd_;
    const AbortEvent& abort_;
};
