#pragma once
// What the other side of a pseudo-terminal set its line to, read through the
// master. The only file of the simulator that speaks termios2.

#include "sim/LinkConfig.h"

struct LineState {
    unsigned baud = 0;
    int dataBits = 8;
    bool parityShown = false; // a pty drops PARENB and CSIZE: parity is invisible there
    int parity = 0;           // choice of "PrtY" when shown
    int stopBits = 1;
};

class LineProbe {
public:
    static bool Read(int fd, LineState& state);
    // Raw mode at the given rate, as a serial port at rest would be.
    static bool MakeRaw(int fd, unsigned baud);
    // The controller hears only a line set like its own.
    static bool Matches(const LineState& state, const LinkConfig& link);
};
