// The help texts of a parameter from any tooltip file, any description and
// any address-length setting.

#include "FuzzSupport.h"
#include "FuzzedParameter.h"

#include "params/ParameterHelp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    FuzzedDataProvider in(data, size);
    Parameter p;
    FillDescription(in, p);
    if (in.ConsumeBool())
        p.name = in.ConsumeRandomLengthString(16);
    p.index = in.ConsumeIntegral<int>();
    p.indexed = in.ConsumeBool();
    const int addressBits = in.ConsumeBool() ? in.ConsumeIntegral<int>() : 8;
    const std::vector<std::uint8_t> content = in.ConsumeRemainingBytes<std::uint8_t>();
    file.Fill(content.data(), content.size());
    GetParameterHelp(p, addressBits, file.Path());
    return 0;
}
