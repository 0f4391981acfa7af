#pragma once
// The simulator's control commands, one text line each (stdin of the
// program): the front panel, the fault switches and a look at the values.

#include "sim/Simulator.h"

#include <string>

class ControlCommand {
public:
    // The answer line: "ok ...", or "ошибка: ..." for a command not understood.
    static std::string Run(Simulator& sim, const std::string& line);
    static const char* Help();

private:
    static bool SetFault(FaultSettings& f, const std::string& word, const std::string& arg);
};
