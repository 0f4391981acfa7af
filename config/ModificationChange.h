#pragma once
// The controller's modification: reading it, and switching the controller to
// another one. The switch discards the controller's settings and returns it
// to its standard link settings; the procedure then waits for the controller
// to report the new modification. Runs as one sequence on a device worker;
// the waits end at once when the port's exit event is set.

#include "config/ModificationTraits.h"

#include <chrono>
#include <string>

class AbortEvent;
class ConfigurationProgress;
class DeviceLink;
class DeviceOperations;
class Parameter;

// The controller's modification read from "mod.v", 1..6 (a number outside
// that reads as 1); 0 when the read failed.
int ReadModification(DeviceOperations& ops, DeviceLink& link);

// The same, with the warning "Модификация прибора не была определена!" when
// the read failed.
int DetectModification(DeviceOperations& ops, DeviceLink& link);

enum class ModificationOutcome {
    Kept,      // the controller already had it and keeps its settings: go on
    Changed,   // the controller reports the new modification: go on
    Busy,      // the probe was refused ("Прибор занят" shown): stay
    Declined,  // the user refused a needed change: propose to quit
    Failed,    // mod.v unreadable, or no confirmation after every poll (message shown): stay
    Aborted,   // the exit event ended the wait: stay, the program is ending
};

class ModificationChange {
public:
    struct Timing {
        std::chrono::milliseconds pollInterval{5000};
        int polls = 7;
    };

    ModificationChange(DeviceOperations& ops, DeviceLink& link, ConfigurationProgress& progress,
                       const AbortEvent& exit)
        : ops(ops), link(link), progress(progress), exit(exit) {}

    void SetTiming(Timing t) { timing = t; }

    // Next on the modification page with modification `selected` (1..6).
    // "mod.v" of the link's table holds the value detected before.
    ModificationOutcome Run(int selected);

private:
    bool Refused(Parameter& p);
    ModificationOutcome WaitForConfirmation(Parameter& current, const std::string& selected);

    DeviceOperations& ops;
    DeviceLink& link;
    ConfigurationProgress& progress;
    const AbortEvent& exit;
    Timing timing;
};
