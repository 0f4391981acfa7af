#pragma once
// The controller's own RS-485 settings, as its link parameters hold them.

class SimParameterBase;

struct LinkConfig {
    unsigned baud = 9600;
    int dataBits = 8;
    int parity = 0; // choice of "PrtY": 0 none, 1 even, 2 odd
    int stopBits = 1;
    int addressLength = 8;
    int address = 16;

    // The settings a front-panel reset and a change of modification restore.
    static LinkConfig Standard() { return {}; }
    static LinkConfig FromParameters(SimParameterBase& base);
    void ToParameters(SimParameterBase& base) const;
    // An address the frames of this address length can carry.
    bool Reachable() const;

    bool operator==(const LinkConfig&) const = default;
};
