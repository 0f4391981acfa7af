#include "device/ReportedReads.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/RetriedRequest.h"

bool ReportedReads::Read(Parameter& p) {
    const bool skip = portLost || silence.Dead() || link.Port().exit_event().is_set();
    const int result = skip ? kLinkNothing : operations.ReadParameter(&p);
    if (result == kLinkOk)
        return true;
    p.value = kNoData;
    if (skip)
        return false;
    silence.Count(p.exchange);
    // A port that is gone fails every read alike: it is what the operator is
    // told, and the rest of the pass is not tried.
    portLost = link.PortLost();
    if (failed == nullptr || portLost) {
        failed = &p;
        failure = result;
    }
    return false;
}

bool ReportedReads::ReportFailure() const {
    if (failed == nullptr)
        return false;
    if (!link.Port().exit_event().is_set())
        RetriedRequest::Report(false, *failed, failure);
    return true;
}
