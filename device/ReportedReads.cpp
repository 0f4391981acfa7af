#include "device/ReportedReads.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/RetriedRequest.h"

namespace {

// As a read request of a page asks: a second attempt only after a failed one.
constexpr int kAttempts = 2;

} // namespace

bool ReportedReads::Read(Parameter& p) {
    int result = kLinkOk;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (link.Port().exit_event().is_set())
            break;
        result = operations.ReadParameter(&p);
        if (result == kLinkOk)
            return true;
    }
    p.value = kNoData;
    if (failed == nullptr) {
        failed = &p;
        failure = result == kLinkOk ? kLinkNothing : result;
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
