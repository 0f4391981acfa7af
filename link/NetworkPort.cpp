#include "link/NetworkPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A device server on the local network answers a connect at once; a longer
// wait only keeps the operator from the next try.
constexpr int kConnectTimeoutMs = 3000;

bool split_host_port(const std::string& rest, std::string& host, std::string& port) {
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == rest.size())
        return false;
    host = rest.substr(0, colon);
    port = rest.substr(colon + 1);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    return port.find_first_not_of("0123456789") == std::string::npos;
}

// 0, or errno of the failed connect.
int connect_within(int fd, const addrinfo& a) {
    if (::connect(fd, a.ai_addr, a.ai_addrlen) == 0)
        return 0;
    if (errno != EINPROGRESS)
        return errno;
    pollfd p{fd, POLLOUT, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, kConnectTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return ETIMEDOUT;
    int error = 0;
    socklen_t size = sizeof error;
    if (ready < 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
        return errno;
    return error;
}

} // namespace

bool NetworkPort::is_network_name(const std::string& port_name) {
    return port_name.rfind(kScheme, 0) == 0;
}

int NetworkPort::connect(const std::string& port_name, std::string& error) {
    std::string host, port;
    if (!split_host_port(port_name.substr(std::strlen(kScheme)), host, port)) {
        error = "Неверное имя сетевого порта " + port_name + ": ожидается tcp://АДРЕС:ПОРТ";
        return -1;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int r = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found); r != 0) {
        error = "Адрес " + host + " не найден: " + ::gai_strerror(r);
        return -1;
    }
    int failure = 0;
    int fd = -1;
    for (const addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            failure = errno;
            continue;
        }
        failure = connect_within(fd, *a);
        if (failure != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0) {
        error = "Нет соединения с " + host + ":" + port + ": " + std::strerror(failure);
        return -1;
    }
    // Frames are small and every one waits for its reply.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}
