// Operator text typed into a parameter of every format, with the limit
// coupling of "i.min"/"i.upr"; a refused text changes nothing, and an
// accepted numeric value goes on to the encoder as a write would.

#include "FuzzSupport.h"
#include "FuzzedParameter.h"

#include "params/NumberFormats.h"
#include "params/ParameterTable.h"
#include "util/TextCase.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SilentPrompter prompter;
    FuzzedDataProvider in(data, size);
    ParameterTable table;
    for (const char* name : {"i.min", "i.upr"}) {
        auto p = std::make_unique<Parameter>(name);
        p->format = kStoredDotFormat;
        table.Adopt(std::move(p));
    }
    Parameter p;
    FillDescription(in, p);
    if (in.ConsumeBool())
        p.table = &table;
    while (in.remaining_bytes() > 0) {
        const std::string text = in.ConsumeRandomLengthString(48);
        const bool fromDevice = in.ConsumeBool();
        const std::string before = p.value;
        if (!p.SetValue(text, fromDevice)) {
            FUZZ_CHECK(p.value == before);
            continue;
        }
        if (fromDevice)
            continue;
        const bool numeric = EqualsNoCase(p.format, kStoredDotFormat) ||
                             EqualsNoCase(p.format, kDecDotFormat) ||
                             EqualsNoCase(p.format, kClockFormat);
        std::uint8_t frame[kMaxFrameData];
        int length = 0;
        if (numeric)
            p.ConvertToData(p.value, frame, length);
    }
    return 0;
}
