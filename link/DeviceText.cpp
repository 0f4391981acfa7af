#include "link/DeviceText.h"

// Bytes above 0x7F are taken as Latin-1 until the code page 1251 table exists.
std::string device_bytes_to_text(const std::uint8_t* bytes, int count) {
    std::string text;
    for (int i = 0; i < count && bytes[i] != 0; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80) {
            text += static_cast<char>(b);
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}
