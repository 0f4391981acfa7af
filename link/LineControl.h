#pragma once
// The terminal controls a serial port needs, behind one small interface so
// tests can stand in for RTS, the error counters and the line settings.

#include <cstdint>
#include <functional>
#include <memory>

#include "link/LineSettings.h"

class LineControl {
public:
    enum class Rts { Done, Unsupported, Failed };

    virtual ~LineControl() = default;

    // 0 done; -2 the current state cannot be read; -4 the new state was
    // refused or the driver changed it.
    virtual int apply(const LineSettings& wanted) = 0;
    // Unsupported: the device has no modem lines (a pseudo-terminal).
    virtual Rts set_rts(bool raised) = 0;
    // True when the driver now switches RTS around every send by itself.
    virtual bool start_kernel_rs485() = 0;
    // Waits until the output queue has gone out.
    virtual bool drain() = 0;
    // 0 discards input, 1 pending output, 2 both.
    virtual bool purge(int kind) = 0;
    // Receiver overruns so far; false when the driver keeps no counters.
    virtual bool overruns(std::uint64_t& count) = 0;
};

using LineControlFactory = std::function<std::unique_ptr<LineControl>(int fd)>;
