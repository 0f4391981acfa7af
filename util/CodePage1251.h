#pragma once
// The one code-page table of the program: the shipped files and the device's
// string bytes are single-byte Cyrillic (code page 1251), text inside the
// program is UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

class CodePage1251 {
public:
    // Every byte has a character (0x98, unused in the code page, stays U+0098
    // so device bytes survive a round trip).
    static std::string ToUtf8(std::string_view cp1251);

    // The character of one byte.
    static char32_t DecodeByte(unsigned char byte);

    // Characters the code page lacks and malformed UTF-8 become '?'; lossy,
    // when given, tells whether that happened.
    static std::string FromUtf8(std::string_view utf8, bool* lossy = nullptr);

    // One code point -> its byte; false when the code page lacks it.
    static bool EncodeChar(char32_t c, unsigned char& byte);

    // Reads one UTF-8 sequence at pos and moves pos past it; false (pos moved
    // by one byte) for a malformed sequence.
    static bool DecodeUtf8(std::string_view utf8, std::size_t& pos, char32_t& c);

    static void AppendUtf8(std::string& out, char32_t c);
};
