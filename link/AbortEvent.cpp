#include "link/AbortEvent.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

AbortEvent::AbortEvent(std::string name)
    : name_(std::move(name)), fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

AbortEvent::~AbortEvent() {
    if (fd_ >= 0)
        ::close(fd_);
}

void AbortEvent::set() {
    std::lock_guard lock(mutex_);
    if (signalled_.exchange(true))
        return;
    const std::uint64_t one = 1;
    // The counter is never read while set, so one increment keeps it readable.
    [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
}

void AbortEvent::reset() {
    std::lock_guard lock(mutex_);
    if (!signalled_.exchange(false))
        return;
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t n = ::read(fd_, &count, sizeof count);
}

bool AbortEvent::wait(int timeout_ms) const {
    pollfd p{fd_, POLLIN, 0};
    while (!is_set()) {
        int r = ::poll(&p, 1, timeout_ms);
        if (r == 0)
            return false;
        if (r < 0 && errno != EINTR)
            return is_set();
    }
    return true;
}
