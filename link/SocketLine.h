#pragma once
// LineControl of a TCP connection to a serial device server: the server
// keeps the line's settings and switches its transmitter itself, so there is
// nothing to set; only the input queue is ours to empty.

#include "link/LineControl.h"

class SocketLine final : public LineControl {
public:
    explicit SocketLine(int fd) : fd_(fd) {}

    int apply(const LineSettings&) override { return 0; }
    Rts set_rts(bool) override { return Rts::Unsupported; }
    bool start_kernel_rs485() override { return true; }
    bool drain() override { return true; }
    // False when the server closed the connection.
    bool purge(int kind) override;
    bool overruns(std::uint64_t&) override { return false; }

private:
    int fd_;
};
