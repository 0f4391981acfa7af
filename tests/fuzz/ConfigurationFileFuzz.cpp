// The configuration-file reader on any bytes: a file taken whole reads the
// same after it is written out again, and a file taken whole is also taken
// as a partial one.

#include "FuzzSupport.h"

#include "config/ConfigurationFile.h"
#include "params/Parameter.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<ConfigurationEntry> entries, partial;
    std::string error;
    const int whole = ParseConfiguration(bytes, false, entries, error);
    FUZZ_CHECK(whole == 0 || !error.empty());
    FUZZ_CHECK(ParseConfiguration(bytes, true, partial, error) == 0 || whole != 0);
    if (whole != 0)
        return 0;
    FUZZ_CHECK(!entries.empty() && entries.size() == partial.size());
    std::vector<std::unique_ptr<Parameter>> owned;
    std::vector<const Parameter*> parameters;
    for (const ConfigurationEntry& e : entries) {
        auto p = std::make_unique<Parameter>(e.name);
        p->index = e.index;
        p->indexed = e.indexed;
        p->value = e.value;
        parameters.push_back(p.get());
        owned.push_back(std::move(p));
    }
    std::vector<ConfigurationEntry> again;
    FUZZ_CHECK(ParseConfiguration(FormatConfiguration(parameters, {}), false, again, error) == 0);
    FUZZ_CHECK(again.size() == entries.size());
    return 0;
}
