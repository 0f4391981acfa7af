#pragma once
// The three help texts shown for a parameter: its title, a comment (built in
// for a few names, else from tooltip.dat) and the sentence on its range.

#include "params/Parameter.h"

#include <string>

struct ParameterHelp {
    std::string title;
    std::string comment; // '\\n' pairs stand for line breaks
    std::string range;
};

// addressBits: the program's "A.Len" setting, which bounds "Addr".
// tooltipPath: tooltip.dat, read anew on every call.
ParameterHelp GetParameterHelp(const Parameter& parameter, int addressBits,
                               const std::string& tooltipPath);
