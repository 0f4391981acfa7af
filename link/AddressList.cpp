#include "link/AddressList.h"

#include "link/FrameCodec.h"

#include <charconv>
#include <set>

namespace {

bool ToAddress(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && last == end && value >= 0 &&
           value <= kHighestAddress;
}

bool ParseItem(const std::string& item, int& low, int& high, std::string& error) {
    const std::size_t dash = item.find('-');
    if (!ToAddress(item.substr(0, dash), low) ||
        (dash != std::string::npos && !ToAddress(item.substr(dash + 1), high))) {
        error = "'" + item + "' - не адрес и не диапазон адресов 0.." +
                std::to_string(kHighestAddress);
        return false;
    }
    if (dash == std::string::npos)
        high = low;
    if (high < low) {
        error = "диапазон '" + item + "' идет от большего адреса к меньшему";
        return false;
    }
    return true;
}

} // namespace

bool ParseAddressList(const std::string& text, std::vector<int>& addresses, std::string& error) {
    std::vector<int> list;
    std::set<int> seen;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        int low = 0, high = 0;
        if (!ParseItem(item, low, high, error))
            return false;
        for (int a = low; a <= high; ++a) {
            if (a == kBroadcastAddress) {
                error = std::to_string(kBroadcastAddress) +
                        " - широковещательный адрес: на него отвечают все приборы линии";
                return false;
            }
            if (!seen.insert(a).second) {
                error = "адрес " + std::to_string(a) + " задан дважды";
                return false;
            }
            list.push_back(a);
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    addresses = std::move(list);
    return true;
}
