#pragma once
// LineControl of a real terminal device through the kernel's termios2
// interface, which takes any baud rate (BOTHER).

#include "link/LineControl.h"

class TermiosLine final : public LineControl {
public:
    explicit TermiosLine(int fd);

    int apply(const LineSettings& wanted) override;
    Rts set_rts(bool raised) override;
    bool start_kernel_rs485() override;
    bool drain() override;
    bool purge(int kind) override;
    bool overruns(std::uint64_t& count) override;

private:
    int fd_;
    bool pseudo_terminal_;
};
