#include "sim/TcpEndpoint.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool ParseHostPort(const std::string& text, sockaddr_in& address) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    address = {};
    address.sin_family = AF_INET;
    const std::string host = text.substr(0, colon);
    if (::inet_pton(AF_INET, host.empty() ? "127.0.0.1" : host.c_str(), &address.sin_addr) != 1)
        return false;
    try {
        const int port = std::stoi(text.substr(colon + 1));
        if (port < 0 || port > 65535)
            return false;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace

TcpEndpoint::~TcpEndpoint() {
    DropClient();
    if (listen_ >= 0)
        ::close(listen_);
}

bool TcpEndpoint::Listen(const std::string& hostPort, std::string& error) {
    sockaddr_in address{};
    if (!ParseHostPort(hostPort, address)) {
        error = hostPort + ": ожидается АДРЕС:ПОРТ";
        return false;
    }
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int on = 1;
    socklen_t size = sizeof address;
    if (listen_ < 0 || ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::bind(listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listen_, 1) != 0 ||
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        error = hostPort + ": " + std::strerror(errno);
        return false;
    }
    port_ = ntohs(address.sin_port);
    return true;
}

void TcpEndpoint::Accept() {
    const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    DropClient();
    client_ = fd;
}

void TcpEndpoint::DropClient() {
    if (client_ >= 0)
        ::close(client_);
    client_ = -1;
}
