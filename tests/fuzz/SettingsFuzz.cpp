// The settings-file reader on any content: values read back, and a value
// set afterwards is the one read. The content is read from memory: opening
// and stat-ing a file per input cost more than the reading itself.

#include "FuzzSupport.h"

#include "util/SettingsStore.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string name = in.ConsumeRandomLengthString(16);
    const int number = in.ConsumeIntegral<int>();
    const std::string content = in.ConsumeRemainingBytesAsString();

    SettingsStore store("");
    const int loaded = store.load_text(content);
    FUZZ_CHECK(loaded == 0 || loaded == -1);
    for (const char* key : {"Port", "Baud", "A.Len", "Addr", "Parity", "Timeout"}) {
        store.get_int(key, 0);
        store.get_text(key, "");
    }
    store.get_text(name, "");
    store.contains(name);
    store.set_int("Addr", number);
    FUZZ_CHECK(store.get_int("Addr", ~number) == number);
    store.remove("Addr");
    FUZZ_CHECK(!store.contains("Addr"));
    return 0;
}
