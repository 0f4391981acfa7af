#include "link/SerialPort.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "link/AbortableWait.h"
#include "link/FrameCodec.h"
#include "link/NetworkPort.h"
#include "link/PortNames.h"
#include "link/PortOpenError.h"
#include "link/ReplyAssembler.h"
#include "link/SocketLine.h"
#include "link/TermiosLine.h"

namespace {

timespec monotonic_now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts;
}

void sleep_until(timespec start, std::chrono::nanoseconds after) {
    const long long ns = static_cast<long long>(start.tv_nsec) + after.count();
    timespec deadline{start.tv_sec + static_cast<time_t>(ns / 1000000000),
                      static_cast<long>(ns % 1000000000)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

int open_exclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // TIOCEXCL keeps other users out, flock also other root processes.
    ::ioctl(fd, TIOCEXCL);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int held = errno;
        ::close(fd);
        errno = held;
        return -1;
    }
    return fd;
}

// A device server forwards the request at the line's rate before the
// controller can answer, and the network adds its own delay.
constexpr std::chrono::milliseconds kNetworkMargin{200};

} // namespace

SerialPort::SerialPort() : SerialPort([](int fd) { return std::make_unique<TermiosLine>(fd); }) {}

SerialPort::SerialPort(LineControlFactory factory) : factory_(std::move(factory)) {}

SerialPort::~SerialPort() {
    if (is_open())
        close();
}

int SerialPort::open() {
    if (is_open())
        release();
    error_text_.clear();
    network_ = NetworkPort::is_network_name(settings_.port_name);
    if (network_) {
        fd_ = NetworkPort::connect(settings_.port_name, error_text_);
        if (fd_ < 0)
            return -1;
        line_ = std::make_unique<SocketLine>(fd_);
    } else {
        fd_ = open_exclusive(PortNames::device_path(settings_.port_name));
        if (fd_ < 0) {
            error_text_ = port_open_error_text(settings_.port_name, errno);
            return -1;
        }
        line_ = factory_(fd_);
    }
    // The kernel raises RTS on open, which would jam the line with our transmitter.
    line_->set_rts(false);
    const int result = configure();
    if (result != 0)
        release();
    return result;
}

int SerialPort::configure() {
    int result = settings_.check();
    if (result == 0)
        result = line_->apply(settings_);
    if (result != 0)
        return result;
    kernel_rs485_ = line_->start_kernel_rs485();
    timing_ = LineTiming(settings_);
    line_->purge(2);
    return 0;
}

void SerialPort::release() {
    line_.reset();
    ::close(fd_);
    fd_ = -1;
    kernel_rs485_ = false;
}

int SerialPort::close() {
    if (!is_open())
        return -2;
    if (!line_->purge(2))
        return -1;
    release();
    return 0;
}

int SerialPort::purge(int kind) {
    if (!is_open())
        return -2;
    if (kind < 0 || kind > 2)
        return 0;
    return line_->purge(kind) ? 0 : -1;
}

int SerialPort::transfer(const char* chars, std::size_t count, PortReply& reply) {
    reply.clear();
    foreign_dropped_ = false;
    if (!is_open())
        return kNotOpen;
    if (exit_event_.is_set())
        return kAborted;
    std::uint64_t before = 0;
    const bool counted = line_->overruns(before);
    // Purge before sending, never after: a fast reply could lose its start.
    int result = line_->purge(0) ? send(chars, count) : kDeviceGone;
    if (result == kDone)
        result = receive(chars, count, reply);
    if (result == kDone && overrun_during(before, counted))
        result = kLineError;
    if (result == kDeviceGone) {
        error_text_ = "Порт " + settings_.port_name +
                      " больше недоступен: устройство отключено от компьютера.";
        release();
    }
    if (result != kDone)
        reply.clear();
    return result;
}

int SerialPort::send(const char* chars, std::size_t count) {
    if (kernel_rs485_) {
        const int result = write_all(chars, count);
        return result != kDone || line_->drain() ? result : kDeviceGone;
    }
    const LineControl::Rts rts = line_->set_rts(true);
    if (rts == LineControl::Rts::Failed)
        return kDeviceGone;
    const timespec start = monotonic_now();
    int result = write_all(chars, count);
    if (result == kDone && !line_->drain())
        result = kDeviceGone;
    // USB adapters return from drain early or late: hold RTS for the wire
    // time plus one character counted from the first write.
    if (result == kDone && rts == LineControl::Rts::Done)
        sleep_until(start, timing_.wire_time(count + 1));
    if (line_->set_rts(false) == LineControl::Rts::Failed && result == kDone)
        result = kDeviceGone;
    // RTS is down, so what is still queued must not go out later.
    if (result == kAborted)
        line_->purge(1);
    return result;
}

int SerialPort::write_all(const char* chars, std::size_t count) {
    const AbortableWait wait(fd_, exit_event_);
    std::size_t sent = 0;
    while (sent < count) {
        if (exit_event_.is_set())
            return kAborted;
        const ssize_t n = ::write(fd_, chars + sent, count - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno != EAGAIN)
            return kDeviceGone;
        // A full output queue: no time limit, only the exit event ends the wait.
        const auto outcome = wait.until(POLLOUT, AbortableWait::Clock::time_point::max());
        if (outcome == AbortableWait::Outcome::Aborted)
            return kAborted;
        if (outcome == AbortableWait::Outcome::Gone)
            return kDeviceGone;
    }
    return kDone;
}

int SerialPort::receive(const char* chars, std::size_t count, PortReply& reply) {
    const AbortableWait wait(fd_, exit_event_);
    auto deadline =
        AbortableWait::Clock::now() + std::chrono::milliseconds(timing_.reply_timeout_ms());
    if (network_)
        deadline += timing_.wire_time(count) + kNetworkMargin;
    ReplyAssembler assembler;
    const std::string request(chars, count);
    Frame sent;
    const bool sent_whole = decode_frame(request, address_length_, sent) == kFrameOk;
    const bool read = sent_whole && sent.request;
    assembler.skip_echo_of(request, read || echoes_);
    std::uint8_t buffer[256];
    for (;;) {
        switch (wait.until(POLLIN, deadline)) {
        case AbortableWait::Outcome::Aborted:
            return kAborted;
        case AbortableWait::Outcome::TimedOut:
            echoes_ = echoes_ || assembler.echo_dropped();
            return kTimedOut;
        case AbortableWait::Outcome::Gone:
            return kDeviceGone;
        case AbortableWait::Outcome::Ready:
            break;
        }
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            return kDeviceGone;
        const std::uint8_t* next = buffer;
        std::size_t left = static_cast<std::size_t>(n), used = 0;
        auto state = assembler.feed(next, left, &used);
        std::optional<Frame> frame;
        while (state == ReplyAssembler::State::Complete) {
            frame.emplace();
            if (decode_frame(assembler.text(), address_length_, *frame) != kFrameOk)
                frame.reset();
            // A late reply to an earlier request, or another master's: ours may still come.
            if (!frame || !sent_whole || !about_another_request(sent, *frame))
                break;
            foreign_dropped_ = true;
            echoes_ = echoes_ || assembler.echo_dropped();
            assembler.reset();
            next += used;
            left -= used;
            state = assembler.feed(next, left, &used);
        }
        if (state == ReplyAssembler::State::Collecting)
            continue;
        echoes_ = echoes_ || assembler.echo_dropped();
        if (state != ReplyAssembler::State::Complete)
            return kLineError;
        reply.text = assembler.text();
        reply.frame = std::move(frame);
        return kDone;
    }
}

bool SerialPort::about_another_request(const Frame& sent, const Frame& frame) const {
    if (frame.hash != sent.hash && frame.hash != kErrorReplyHash)
        return true;
    // "n.Err" is also a parameter: its value 0 ("frame received without
    // error") is no refusal of another request, but a late reply to reading it.
    if (frame.hash == kErrorReplyHash && sent.hash != kErrorReplyHash &&
        frame.data.size() == 1 && frame.data[0] == 0)
        return true;
    // Every controller answers a broadcast with its own address.
    return sent.address != kBroadcastAddress && frame.address != sent.address;
}

bool SerialPort::overrun_during(std::uint64_t before, bool counted) {
    std::uint64_t after = before;
    return counted && line_->overruns(after) && after != before;
}
