// Reference texts of the pages ("<m3,6>op*2+1") with any base index and
// modification, alone and in lists.

#include "FuzzSupport.h"

#include "params/ReferenceText.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int modification = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 7)
                                              : in.ConsumeIntegral<int>();
    const int baseIndex = in.ConsumeIntegral<int>();
    std::vector<std::string> texts;
    while (in.remaining_bytes() > 0 && texts.size() < 8)
        texts.push_back(in.ConsumeRandomLengthString(40));
    for (const std::string& t : texts) {
        std::string text = t;
        int index = baseIndex;
        ResolveReference(text, index, in.ConsumeBool(), modification);
        FUZZ_CHECK(text.size() <= t.size());
    }
    std::vector<const char*> list;
    for (const std::string& t : texts)
        list.push_back(t.c_str());
    const int count = CountApplicableReferences(list, modification);
    const std::vector<ResolvedReference> resolved = ResolveReferenceList(list, baseIndex, modification);
    FUZZ_CHECK(static_cast<int>(resolved.size()) == count);
    return 0;
}
