// The parameter-base loader on any file content: a damaged base loads what
// it can and says so, never more records than announced.

#include "FuzzSupport.h"

#include "params/ParameterBaseLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SilentPrompter prompter;
    static MemoryFile file;
    file.Fill(data, size);
    ParameterTable table;
    const int result = LoadParameterBase(table, file.Name(), file.Directory());
    FUZZ_CHECK(result == 0 || result == 1);
    FUZZ_CHECK(result == 1 || !table.empty());
    return 0;
}
