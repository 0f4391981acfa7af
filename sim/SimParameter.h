#pragma once
// One parameter as the simulated controller keeps it: the core's Parameter
// carries name, format, limits and the current value text.

#include "params/Parameter.h"

#include <cstdint>
#include <string>

struct SimParameter {
    Parameter param;
    std::string initial;   // value text after a reset
    bool readOnly = false; // writes are refused as to a ROM parameter
    // Its answer to "M.s.t.r.": bit 0 the base's attribute flag 1, bit 1 set
    // unless attribute flag 2 is.
    std::uint8_t attributeBits = 0;
};
