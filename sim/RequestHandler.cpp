#include "sim/RequestHandler.h"

#include "link/NetworkErrors.h"

namespace {

constexpr int kBroadcast = 255;
constexpr std::size_t kIndexBytes = 2;

int IndexAt(const std::vector<std::uint8_t>& data, std::size_t at) {
    return data[at] << 8 | data[at + 1];
}

} // namespace

std::optional<RequestHandler::Reply> RequestHandler::Handle(std::string_view text,
                                                            Clock::time_point now) {
    model_.Settle(now);
    if (model_.Busy(now))
        return std::nullopt;
    const LinkConfig link = model_.ActiveLink();
    Frame request;
    if (decode_frame(text, link.addressLength, request) != kFrameOk) {
        model_.RecordError(NetworkErrors::kBadChecksum);
        return std::nullopt; // its address cannot be trusted: nobody answers
    }
    if (request.address != link.address && request.address != kBroadcast)
        return std::nullopt;
    const Answer answer = Dispatch(request, now);
    Reply reply{Frame{link.address, false, request.hash, answer.data}, link.addressLength};
    if (answer.error != NetworkErrors::kNone) {
        model_.RecordError(answer.error);
        reply.frame.hash = kErrorReplyHash;
        reply.frame.data = {answer.error};
    }
    return reply;
}

Answer RequestHandler::Dispatch(const Frame& request, Clock::time_point now) {
    static const std::uint16_t kAttributes = hash_name("M.s.t.r.");
    static const std::uint16_t kApply = hash_name("APLY");
    if (request.hash == kAttributes)
        return model_.Attributes(request.data);
    if (!base_.KnowsHash(request.hash))
        return Answer::Error(NetworkErrors::kNoDescriptor);
    if (request.hash == kApply && !request.request)
        return request.data.empty() ? model_.Apply() : Answer::Error(NetworkErrors::kDataSize);
    return request.request ? ReadRequest(request, now) : WriteRequest(request, now);
}

Answer RequestHandler::ReadRequest(const Frame& request, Clock::time_point now) {
    const bool indexed = base_.IsIndexed(request.hash);
    if (request.data.size() != (indexed ? kIndexBytes : 0))
        return Answer::Error(NetworkErrors::kDataSize);
    return model_.Read(request.hash, indexed ? IndexAt(request.data, 0) : 0, now);
}

Answer RequestHandler::WriteRequest(const Frame& request, Clock::time_point now) {
    if (!base_.IsIndexed(request.hash))
        return model_.Write(request.hash, 0, request.data, now);
    if (request.data.size() <= kIndexBytes)
        return Answer::Error(NetworkErrors::kDataSize);
    const std::size_t valueSize = request.data.size() - kIndexBytes;
    const std::vector<std::uint8_t> value(request.data.begin(),
                                          request.data.begin() + valueSize);
    return model_.Write(request.hash, IndexAt(request.data, valueSize), value, now);
}
