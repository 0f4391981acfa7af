#include "PtyPeer.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PtyPeer::PtyPeer() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
        slave_path_ = ::ptsname(master_);
}

PtyPeer::~PtyPeer() {
    stop_.set();
    if (thread_.joinable())
        thread_.join();
    if (master_ >= 0)
        ::close(master_);
}

void PtyPeer::script(std::deque<std::string> replies, std::string otherwise) {
    std::lock_guard lock(mutex_);
    replies_ = std::move(replies);
    otherwise_ = std::move(otherwise);
}

void PtyPeer::start() {
    thread_ = std::thread([this] { run(); });
}

void PtyPeer::run() {
    std::string pending;
    char buffer[256];
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            stop_.wait(-1); // the terminal side has closed: nothing more to answer
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        for (auto cr = pending.find('\r'); cr != std::string::npos; cr = pending.find('\r')) {
            const std::string request = pending.substr(0, cr + 1);
            pending.erase(0, cr + 1);
            if (!answer(request))
                return;
        }
    }
}

bool PtyPeer::answer(const std::string& request) {
    std::string reply;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        reply = otherwise_;
        if (!replies_.empty()) {
            reply = replies_.front();
            replies_.pop_front();
        }
    }
    changed_.notify_all();
    if (reply == kHangUp) {
        ::close(master_);
        master_ = -1;
        return false;
    }
    return reply.empty() ||
           ::write(master_, reply.data(), reply.size()) == static_cast<ssize_t>(reply.size());
}

bool PtyPeer::wait_for_requests(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5),
                             [&] { return requests_.size() >= count; });
}

std::vector<std::string> PtyPeer::requests() {
    std::lock_guard lock(mutex_);
    return requests_;
}
