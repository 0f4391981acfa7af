#pragma once
// The reads of a page that shows what the controller holds, one pass over
// its rows: a reply lost or garbled on the line is asked for again, a
// value that still cannot be read stays "Нет данных" (never an older value),
// and the pass's first such failure is named to the operator in the warning
// box of a failed request, so that he knows to read the page again. A dead
// line ends the pass: the rest stays unread.

#include "device/LineSilence.h"

class DeviceLink;
class DeviceOperations;
class Parameter;

class ReportedReads {
public:
    ReportedReads(DeviceLink& link, DeviceOperations& operations)
        : link(link), operations(operations) {}

    // True when the value was read.
    bool Read(Parameter& p);
    // Shows the first failure of the pass, unless the operator is quitting;
    // true when a read failed.
    bool ReportFailure() const;

private:
    DeviceLink& link;
    DeviceOperations& operations;
    Parameter* failed = nullptr;
    int failure = 0;
    bool portLost = false; // the port vanished under the pass (an adapter pulled out)
    LineSilence silence;
};
