#include "ControllerPeer.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

ControllerPeer::ControllerPeer(int address_length) : addressLength(address_length) {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    grantpt(master);
    unlockpt(master);
    slavePath = ptsname(master);
    slaveKeeper = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pipe(stopPipe) != 0)
        std::abort();
    thread = std::thread([this] { Run(); });
}

ControllerPeer::~ControllerPeer() {
    const char stop = 1;
    (void)!write(stopPipe[1], &stop, 1);
    thread.join();
    for (int fd : {master, slaveKeeper, stopPipe[0], stopPipe[1]})
        if (fd >= 0)
            close(fd);
}

void ControllerPeer::SetResponder(Responder r) {
    std::lock_guard<std::mutex> guard(mutex);
    responder = std::move(r);
}

std::vector<Frame> ControllerPeer::Requests() const {
    std::lock_guard<std::mutex> guard(mutex);
    return requests;
}

std::string ControllerPeer::Reply(const Frame& request, std::uint16_t hash,
                                  std::vector<std::uint8_t> data, int address_length) {
    Frame reply;
    reply.address = request.address;
    reply.hash = hash;
    reply.data = std::move(data);
    return encode_frame(reply, address_length);
}

std::string ControllerPeer::ErrorReply(const Frame& request, std::uint8_t code) {
    return Reply(request, kErrorReplyHash, {code});
}

void ControllerPeer::Run() {
    std::string pending;
    while (master >= 0) {
        pollfd fds[2] = {{master, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        char buffer[256];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i) {
            pending += buffer[i];
            if (buffer[i] != '\r')
                continue;
            Frame request;
            const bool good = decode_frame(pending, addressLength, request) == kFrameOk;
            pending.clear();
            if (good)
                Answer(request);
        }
    }
}

void ControllerPeer::Answer(const Frame& request) {
    std::string text;
    {
        std::lock_guard<std::mutex> guard(mutex);
        requests.push_back(request);
        if (responder)
            text = responder(request, int(requests.size()) - 1);
    }
    if (text == kHangUp) {
        close(master);
        master = -1;
        close(slaveKeeper);
        slaveKeeper = -1;
        return;
    }
    if (!text.empty() && write(master, text.data(), text.size()) != ssize_t(text.size()))
        std::abort();
}
