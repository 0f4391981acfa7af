#pragma once
// A controller behind a serial device server: the port name
// "tcp://HOST:PORT" opens a TCP connection that carries the line's bytes.

#include <string>

class NetworkPort {
public:
    static constexpr const char* kScheme = "tcp://";

    static bool is_network_name(const std::string& port_name);
    // A connected, non-blocking socket, or -1 with the reason in error.
    static int connect(const std::string& port_name, std::string& error);
};
