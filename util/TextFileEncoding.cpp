#include "util/TextFileEncoding.h"

#include "util/CodePage1251.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string LineOf(std::string_view text, std::size_t at) {
    return std::to_string(1 + std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

std::string ByteText(unsigned char byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return hex;
}

// Bytes a 1251 text file holds above ASCII: letters, and the few signs
// Russian text uses (no-break space, dashes, quotes, the numero sign, degree).
bool Cp1251TextByte(unsigned char b) {
    constexpr std::string_view kSigns = "\xA0\x96\x97\xAB\xBB\xB9\xB0\x85\x93\x94";
    return b >= 0xC0 || b == 0xA8 || b == 0xB8 ||
           kSigns.find(static_cast<char>(b)) != std::string_view::npos;
}

} // namespace

bool TextFileEncoding::ValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    char32_t c = 0;
    while (pos < text.size())
        if (!CodePage1251::DecodeUtf8(text, pos, c))
            return false;
    return true;
}

bool TextFileEncoding::Cp1251Text(std::string_view text, std::string& error) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80 && !Cp1251TextByte(b)) {
            error = "Файл не в кодировке UTF-8 и не в кодировке 1251 (байт " + ByteText(b) +
                    " в строке " + LineOf(text, i) + ")";
            return false;
        }
    }
    return true;
}

int TextFileEncoding::ToUtf8(std::string_view bytes, std::string& utf8, std::string& error) {
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        error = "Файл в кодировке UTF-16; сохраните его в кодировке UTF-8";
        return -1;
    }
    const bool marked = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (marked)
        bytes.remove_prefix(kUtf8Mark.size());
    const auto control = std::find_if(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F;
    });
    if (control != bytes.end()) {
        const std::size_t at = static_cast<std::size_t>(control - bytes.begin());
        error = "Файл не текстовый (байт " + ByteText(static_cast<unsigned char>(*control)) +
                " в строке " + LineOf(bytes, at) + ")";
        return -1;
    }
    if (ValidUtf8(bytes)) {
        utf8 = bytes;
        return 0;
    }
    if (marked) {
        error = "Файл начинается с метки UTF-8, но в нем есть байты не в кодировке UTF-8";
        return -1;
    }
    if (!Cp1251Text(bytes, error))
        return -1;
    utf8 = CodePage1251::ToUtf8(bytes);
    return 0;
}
