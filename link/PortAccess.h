#pragma once
// Why a serial port does not open, in words the operator can act on: it is
// missing, the user lacks the group that may use it, or another process
// holds it.

#include <string>

class PortAccess {
public:
    // Empty when none of these is the cause (or for a network port).
    static std::string Diagnose(const std::string& port_name);

    // "PID (name)" of another process that locks path, else of one that has
    // it open; empty when none is found (other users' processes may be hidden).
    static std::string Holder(const std::string& path);
};
