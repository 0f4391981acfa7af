#pragma once
// One parameter as the simulated controller keeps it: the core's Parameter
// carries name, format, limits and the current value text.

#include "params/Parameter.h"

#include <string>

struct SimParameter {
    Parameter param;
    std::string initial;   // value text after a reset
    bool readOnly = false; // writes are refused as to a ROM parameter
};
