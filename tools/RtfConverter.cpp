#include "tools/RtfConverter.h"

#include "util/CodePage1251.h"

#include <algorithm>
#include <cstdio>

namespace {

void AppendUnicode(std::string& rtf, int unit) {
    // RTF writes \u with a signed 16-bit number, then one fallback character.
    rtf += "\\u" + std::to_string(unit > 0x7FFF ? unit - 0x10000 : unit) + "?";
}

} // namespace

int RtfConverter::Convert(const std::string& utf8, std::string& rtf, std::string& error) {
    if (utf8.rfind("{\\rtf", 0) != 0 || utf8.find("\\ansicpg1251") == std::string::npos) {
        error = "строка 1: ожидается RTF с \\ansicpg1251";
        return 1;
    }
    rtf.clear();
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        char32_t c = 0;
        if (!CodePage1251::DecodeUtf8(utf8, pos, c)) {
            const auto lines = std::count(utf8.begin(), utf8.begin() + start, '\n');
            error = "строка " + std::to_string(lines + 1) + ": текст не в кодировке UTF-8";
            return 1;
        }
        AppendChar(rtf, c);
    }
    return 0;
}

void RtfConverter::AppendChar(std::string& rtf, char32_t c) {
    unsigned char byte = 0;
    if (c < 0x80) {
        rtf.push_back(static_cast<char>(c));
    } else if (CodePage1251::EncodeChar(c, byte)) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\'%02x", byte);
        rtf += escape;
    } else if (c < 0x10000) {
        AppendUnicode(rtf, static_cast<int>(c));
    } else {
        AppendUnicode(rtf, static_cast<int>(0xD800 + ((c - 0x10000) >> 10)));
        AppendUnicode(rtf, static_cast<int>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
}
