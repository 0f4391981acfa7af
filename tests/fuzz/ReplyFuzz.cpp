// Reply assembly from raw port input (with PARMRK marks) and frame decoding:
// nothing overruns, and every decoded frame encodes to a frame that decodes
// to the same values.

#include "FuzzSupport.h"

#include "link/FrameCodec.h"
#include "link/ReplyAssembler.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool SameFrame(const Frame& a, const Frame& b) {
    return a.address == b.address && a.request == b.request && a.hash == b.hash && a.data == b.data;
}

void CheckDecoded(std::string_view text, int addressLength) {
    Frame frame;
    if (decode_frame(text, addressLength, frame) != kFrameOk)
        return;
    FUZZ_CHECK(frame.data.size() <= static_cast<std::size_t>(kMaxFrameData));
    const std::string again = encode_frame(frame, addressLength);
    Frame decoded;
    FUZZ_CHECK(decode_frame(again, addressLength, decoded) == kFrameOk);
    FUZZ_CHECK(SameFrame(frame, decoded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int addressLength = in.ConsumeBool() ? kLongAddressLength : 8;
    ReplyAssembler assembler;
    while (in.remaining_bytes() > 0) {
        const std::vector<std::uint8_t> chunk =
            in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(1, 24));
        const ReplyAssembler::State state = assembler.feed(chunk.data(), chunk.size());
        if (state == ReplyAssembler::State::Collecting)
            continue;
        FUZZ_CHECK(assembler.text().size() <= ReplyAssembler::kCapacity);
        if (state == ReplyAssembler::State::Complete)
            CheckDecoded(assembler.text(), addressLength);
        assembler.reset();
    }
    // The whole input as one frame text, beyond what the assembler lets through.
    CheckDecoded(std::string_view(reinterpret_cast<const char*>(data), size), addressLength);
    return 0;
}
