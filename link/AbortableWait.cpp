#include "link/AbortableWait.h"

#include <cerrno>
#include <poll.h>

namespace {

// ppoll's timeout for the time left; nullptr waits without limit.
const timespec* time_left(AbortableWait::Clock::time_point deadline, timespec& ts) {
    if (deadline == AbortableWait::Clock::time_point::max())
        return nullptr;
    auto left = deadline - AbortableWait::Clock::now();
    if (left < decltype(left)::zero())
        left = decltype(left)::zero();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    ts.tv_sec = static_cast<time_t>(ns / 1000000000);
    ts.tv_nsec = static_cast<long>(ns % 1000000000);
    return &ts;
}

} // namespace

AbortableWait::Outcome AbortableWait::until(short events, Clock::time_point deadline) const {
    for (;;) {
        if (abort_.is_set())
            return Outcome::Aborted;
        pollfd fds[2] = {{fd_, events, 0}, {abort_.fd(), POLLIN, 0}};
        timespec ts{};
        const timespec* timeout = time_left(deadline, ts);
        const int r = ::ppoll(fds, 2, timeout, nullptr);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return Outcome::Gone;
        if (fds[1].revents & POLLIN)
            return Outcome::Aborted;
        // Data that came before a hang-up is still read first.
        if (fds[0].revents & events)
            return Outcome::Ready;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return Outcome::Gone;
        if (r == 0)
            return Outcome::TimedOut;
    }
}
