#pragma once
// Faults the simulated controller plays on demand, for reliability tests.
// Shares are percentages of the replies; -1 switches a count off.

struct FaultSettings {
    int dropPercent = 0;    //!< replies never sent
    int corruptPercent = 0; //!< replies with a wrong checksum
    int foreignPercent = 0; //!< replies carrying another name's hash
    int garbagePercent = 0; //!< random characters instead of a reply
    int delayMs = 0;        //!< every reply this much later
    long silentAfter = -1;  //!< no reply after this many requests
    long hangUpAfter = -1;  //!< the line closes after this many requests

    bool operator==(const FaultSettings&) const = default;
};
