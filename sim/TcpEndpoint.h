#pragma once
// The protocol on a TCP socket, as a serial device server would carry it:
// one client at a time; a newer one replaces the older.

#include <string>

class TcpEndpoint {
public:
    TcpEndpoint() = default;
    ~TcpEndpoint();
    TcpEndpoint(const TcpEndpoint&) = delete;
    TcpEndpoint& operator=(const TcpEndpoint&) = delete;

    // "HOST:PORT"; port 0 picks a free one (see Port()).
    bool Listen(const std::string& hostPort, std::string& error);
    void Accept();
    void DropClient();

    int ListenFd() const { return listen_; }
    int ClientFd() const { return client_; }
    int Port() const { return port_; }

private:
    int listen_ = -1;
    int client_ = -1;
    int port_ = 0;
};
