// The simulated controller's request reader: raw line bytes and well-formed
// frames for every parameter of the shipped base, read or written with any
// data, interleaved. Every reply is a frame the wizard can decode.

#include "FuzzSupport.h"

#include "sim/ControllerModel.h"
#include "sim/RequestAssembler.h"
#include "sim/RequestHandler.h"
#include "util/ProgramDirectory.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <vector>

namespace {

struct ShippedBase {
    SimParameterBase base;
    std::vector<std::uint16_t> hashes;

    ShippedBase() {
        std::string error;
        if (!base.Load(ProgramDirectory() + "parameters_m.zip", error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::abort();
        }
        std::set<std::uint16_t> known;
        base.ForEach([&known](SimParameter& p) { known.insert(hash_name(p.param.name)); });
        known.insert(hash_name("M.s.t.r."));
        hashes.assign(known.begin(), known.end());
    }
};

Frame FuzzedRequest(FuzzedDataProvider& in, const std::vector<std::uint16_t>& hashes,
                    const LinkConfig& link) {
    Frame f;
    f.address = in.ConsumeBool() ? link.address : in.ConsumeIntegralInRange(0, 2047);
    f.request = in.ConsumeBool();
    f.hash = in.ConsumeBool() ? hashes[in.ConsumeIntegralInRange<std::size_t>(0, hashes.size() - 1)]
                              : in.ConsumeIntegral<std::uint16_t>();
    f.data = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, kMaxFrameData));
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ShippedBase shipped;
    FuzzedDataProvider in(data, size);
    shipped.base.ResetValues();
    ControllerModel::Clock::time_point now{std::chrono::hours(1)};
    ControllerModel::Options options;
    options.changeTime = std::chrono::milliseconds(300);
    ControllerModel model(shipped.base, options, now);
    RequestHandler handler(shipped.base, model);
    RequestAssembler assembler;
    const auto answer = [&](std::string_view frame) {
        const std::optional<RequestHandler::Reply> reply = handler.Handle(frame, now);
        if (!reply)
            return;
        Frame decoded;
        FUZZ_CHECK(decode_frame(reply->Text(), reply->addressLength, decoded) == kFrameOk);
    };
    while (in.remaining_bytes() > 0) {
        now += std::chrono::milliseconds(in.ConsumeIntegralInRange(0, 500));
        std::string text;
        if (in.ConsumeBool())
            text = in.ConsumeRandomLengthString(48);
        else
            text = encode_frame(FuzzedRequest(in, shipped.hashes, model.ActiveLink()),
                                model.ActiveLink().addressLength);
        assembler.Feed(text.data(), text.size(), answer);
    }
    return 0;
}
