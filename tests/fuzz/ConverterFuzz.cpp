// Value text <-> frame data by every format and specially read name: no
// overrun of the frame buffer, results within their documented values.

#include "FuzzSupport.h"
#include "FuzzedParameter.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    MyConverter p;
    FillDescription(in, p);

    const std::string text = in.ConsumeRandomLengthString(64);
    std::vector<std::uint8_t> frame(kMaxFrameData); // exactly a frame: ASan sees any overrun
    int length = -1;
    std::string reason;
    const int written = p.ConvertToData(text, frame.data(), length, &reason);
    FUZZ_CHECK(written >= -1 && written <= 1);
    FUZZ_CHECK(length >= 0 && length <= kMaxFrameData);

    const std::vector<std::uint8_t> reply = in.ConsumeBytes<std::uint8_t>(
        in.ConsumeIntegralInRange<std::size_t>(0, kMaxFrameData));
    const int read = p.ConvertFromData(reply.data(), static_cast<int>(reply.size()));
    FUZZ_CHECK(read >= -1 && read <= 1);
    if (written == 1) {
        MyConverter back = p;
        back.ConvertFromData(frame.data(), length);
    }
    std::string trimmed;
    p.trim_value_text(text, trimmed);
    choice_text(p, in.ConsumeIntegral<int>());
    return 0;
}
