#include "device/LostReplies.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "link/FrameCodec.h"

namespace {

constexpr int kExchanges = 3;

} // namespace

bool IsLostReply(int result, const Parameter& p) {
    return result == kLinkNoReply || (result == kLinkError && (p.message == kReplyChecksumText ||
                                                               p.message == kForeignReplyText));
}

int UntilAnswered(Parameter& p, const std::function<int()>& exchange) {
    int result = exchange();
    for (int n = 1; n < kExchanges && IsLostReply(result, p); ++n)
        result = exchange();
    return result;
}

int WriteUntilAnswered(DeviceOperations& ops, Parameter& p) {
    return UntilAnswered(p, [&ops, &p] { return ops.WriteParameter(&p); });
}

int ReadUntilAnswered(DeviceOperations& ops, Parameter& p) {
    return UntilAnswered(p, [&ops, &p] { return ops.ReadParameter(&p); });
}
