// Network names both ways: any text is written or refused with a reason,
// any four bytes read, and a written name reads back and writes the same bytes.

#include "FuzzSupport.h"

#include "params/NetworkName.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<std::uint8_t> bytes = in.ConsumeBytes<std::uint8_t>(kNetworkNameBytes);
    bytes.resize(kNetworkNameBytes);
    std::string shown;
    network_name_text(bytes.data(), shown);

    const std::string text = in.ConsumeRemainingBytesAsString();
    std::vector<std::uint8_t> written(kNetworkNameBytes);
    int length = 0;
    std::string reason;
    if (network_name_to_data(text, written.data(), length, reason) != 1) {
        FUZZ_CHECK(!reason.empty());
        return 0;
    }
    FUZZ_CHECK(length == kNetworkNameBytes);
    std::string back;
    FUZZ_CHECK(network_name_text(written.data(), back) == 1);
    std::vector<std::uint8_t> again(kNetworkNameBytes);
    FUZZ_CHECK(network_name_to_data(back, again.data(), length, reason) == 1);
    FUZZ_CHECK(again == written);
    return 0;
}
