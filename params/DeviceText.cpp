#include "params/DeviceText.h"

#include "util/CodePage1251.h"

#include <string_view>

std::string device_bytes_to_text(const std::uint8_t* bytes, int count) {
    int length = 0;
    while (length < count && bytes[length] != 0)
        ++length;
    return CodePage1251::ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), length));
}
