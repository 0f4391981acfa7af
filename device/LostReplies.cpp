#include "device/LostReplies.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "link/FrameCodec.h"

namespace {

constexpr int kExchanges = 3;

template <typename Exchange> int UntilAnswered(Parameter& p, Exchange exchange) {
    int result = exchange(&p);
    for (int n = 1; n < kExchanges && IsLostReply(result, p); ++n)
        result = exchange(&p);
    return result;
}

} // namespace

bool IsLostReply(int result, const Parameter& p) {
    return result == kLinkNoReply || (result == kLinkError && p.message == kReplyChecksumText);
}

int WriteUntilAnswered(DeviceOperations& ops, Parameter& p) {
    return UntilAnswered(p, [&ops](Parameter* q) { return ops.WriteParameter(q); });
}

int ReadUntilAnswered(DeviceOperations& ops, Parameter& p) {
    return UntilAnswered(p, [&ops](Parameter* q) { return ops.ReadParameter(q); });
}
