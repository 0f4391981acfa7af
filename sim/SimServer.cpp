#include "sim/SimServer.h"

#include "sim/LineProbe.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <poll.h>
#include <unistd.h>

bool SimServer::Start(const Options& options, std::string& error) {
    options_ = options;
    if (options_.pty && !pty_.Open(options_.linkPath, error))
        return false;
    if (!options_.tcp.empty() && !tcp_.Listen(options_.tcp, error))
        return false;
    {
        std::lock_guard lock(pathMutex_);
        slavePath_ = pty_.SlavePath();
    }
    sim_.SetWaker([this] { wake_.set(); });
    thread_ = std::thread([this] { Run(); });
    return true;
}

void SimServer::Stop() {
    if (!thread_.joinable())
        return;
    stop_.set();
    thread_.join();
    sim_.SetWaker({});
    sim_.Settle();
    pty_.RemoveLink();
    pty_.Close();
}

std::string SimServer::SlavePath() const {
    std::lock_guard lock(pathMutex_);
    return slavePath_;
}

void SimServer::Trace(const char* direction, std::string_view text) const {
    if (options_.trace)
        options_.trace(direction + std::string(text.substr(0, text.find('\r'))));
}

void SimServer::FollowLine() {
    const bool up = sim_.LineUp();
    if (!up) {
        pty_.Close();
        tcp_.DropClient();
        pending_.clear();
        return;
    }
    if (options_.pty && !pty_.IsOpen()) {
        std::string error;
        if (!pty_.Open(options_.linkPath, error))
            Trace("! ", error);
        std::lock_guard lock(pathMutex_);
        slavePath_ = pty_.SlavePath();
    }
}

// Exact to the nanosecond: a paced reply must not wait for the next millisecond.
const timespec* SimServer::PollTimeout(timespec& left) const {
    std::optional<Clock::time_point> next = sim_.WakeAt();
    if (!pending_.empty())
        next = next ? std::min(*next, pending_.front().due) : pending_.front().due;
    if (!next)
        return nullptr;
    const long long ns = std::max<long long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(*next - Clock::now()).count(), 0);
    left.tv_sec = static_cast<time_t>(ns / 1000000000);
    left.tv_nsec = static_cast<long>(ns % 1000000000);
    return &left;
}

void SimServer::Run() {
    while (!stop_.is_set()) {
        FollowLine();
        std::vector<pollfd> fds{{stop_.fd(), POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
        for (int fd : {pty_.Fd(), tcp_.ListenFd(), tcp_.ClientFd()})
            if (fd >= 0)
                fds.push_back({fd, POLLIN, 0});
        timespec left{};
        if (::ppoll(fds.data(), fds.size(), PollTimeout(left), nullptr) < 0 && errno != EINTR)
            break;
        wake_.reset();
        sim_.Settle();
        SendDue();
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (fds[i].fd == tcp_.ListenFd())
                tcp_.Accept();
            else if (fds[i].fd == pty_.Fd())
                ReadFrom(fds[i].fd, ptyFrames_, true);
            else if (fds[i].fd == tcp_.ClientFd())
                ReadFrom(fds[i].fd, tcpFrames_, false);
        }
    }
}

void SimServer::ReadFrom(int fd, RequestAssembler& assembler, bool pty) {
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) {
        // A pty master reads EIO only with no slave open; ours keeps one.
        if (!pty && (n == 0 || errno != EAGAIN))
            tcp_.DropClient();
        return;
    }
    assembler.Feed(buffer, static_cast<std::size_t>(n),
                   [&](std::string_view frame) { Answer(fd, frame, pty); });
}

void SimServer::Answer(int fd, std::string_view frame, bool pty) {
    Trace("<< ", frame);
    LineState line;
    const bool probed = pty && LineProbe::Read(fd, line);
    if (probed && !sim_.Hears(line)) {
        Trace("!! ", "настройки линии не совпадают");
        return; // the controller hears only noise at another rate or framing
    }
    FaultInjector::Outcome out = sim_.Receive(frame, probed ? &line : nullptr);
    if (out.hangUp) {
        Trace("!! ", "линия отключена");
        FollowLine();
        return;
    }
    if (out.text.empty())
        return;
    const Clock::time_point due = Clock::now() + out.delay + Pace(frame.size() + out.text.size());
    // Paced replies differ in length, so a later one may be due earlier.
    const auto at = std::upper_bound(pending_.begin(), pending_.end(), due,
                                     [](Clock::time_point t, const Pending& p) { return t < p.due; });
    pending_.insert(at, {due, fd, std::move(out.text)});
    SendDue();
}

SimServer::Clock::duration SimServer::Pace(std::size_t characters) const {
    if (!options_.pace)
        return Clock::duration::zero();
    const LinkConfig line = sim_.ActiveLink();
    // Start bit, data bits, parity bit when there is one, stop bits.
    const int bits = 1 + line.dataBits + (line.parity != 0 ? 1 : 0) + line.stopBits;
    const auto wire = std::chrono::nanoseconds(static_cast<long long>(
        1e9 * static_cast<double>(bits) * static_cast<double>(characters) / line.baud));
    return wire + *options_.pace;
}

void SimServer::SendDue() {
    const Clock::time_point now = Clock::now();
    while (!pending_.empty() && pending_.front().due <= now) {
        const Pending& p = pending_.front();
        Trace(">> ", p.text);
        // Small frames into an empty pty or socket buffer; a refusal is a lost reply.
        if (::write(p.fd, p.text.data(), p.text.size()) < 0)
            Trace("! ", "ответ не отправлен");
        pending_.pop_front();
    }
}
