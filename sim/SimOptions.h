#pragma once
// The command line of zrk640-sim.

#include "sim/SimServer.h"
#include "sim/Simulator.h"

#include <string>
#include <vector>

struct SimOptions {
    Simulator::Options sim;
    SimServer::Options server;
    bool help = false;
    bool version = false;
    bool verbose = false;

    // false with error for an unknown option or a value out of range.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();
};
