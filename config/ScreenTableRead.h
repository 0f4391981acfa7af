#pragma once
// Reading one parameter screen from the controller, as the parameter-list
// page's worker does it: the selector and its entries, the regulator's
// follow-up screens, then every row of the kind's list once, in order.

#include "device/ReportedReads.h"

#include <string>

class DeviceLink;
class DeviceOperations;
class Parameter;
class ScreenTableSink;
class TransferStatus;
class WizardState;

struct ScreenRequest {
    int kind = 1;
    int modification = 1;
    int position = 0;     // channel position p
    int channelCount = 1; // n
    std::string element;  // E of a PWM screen
    // Keep: the selector keeps its entries and this selection and is not read.
    bool keep = false;
    bool selected = false;
    std::string selection;
};

class ScreenTableRead {
public:
    ScreenTableRead(DeviceLink& link, DeviceOperations& ops, WizardState& state,
                    TransferStatus& status, ScreenTableSink& sink)
        : link(link), state(state), status(status), sink(sink), reads(link, ops) {}

    // Only reads. Stops before the next row once the link's "ExitEvent" is set. A value
    // that could not be read is named to the operator before the page takes
    // input again.
    void Run(const ScreenRequest& request);

private:
    void ReadSelector(ScreenRequest& request);
    void ReadSquareRoot(const ScreenRequest& request);
    bool FollowRegulator(const ScreenRequest& request);
    void ReadRows(const ScreenRequest& request, bool pid);
    bool Read(Parameter& p);

    DeviceLink& link;
    WizardState& state;
    TransferStatus& status;
    ScreenTableSink& sink;
    ReportedReads reads;
    // The selector's value is unknown: the screens that follow it stay as they are.
    bool selectorUnread = false;
};

// Whether the input screens of the modification ask to take the root.
bool AsksSquareRoot(int kind, int modification);
// The "CAL.t" that holds the answer for an input kind.
int SquareRootIndex(int kind);
inline constexpr int kSquareRootOption = 2;
inline constexpr int kNoSquareRootOption = 0;

// The description of a row: the caption, with the "№..." of the links and
// weights numbered.
std::string RowDescription(const Parameter& p, int modification);
