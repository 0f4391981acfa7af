#include "util/TextCase.h"

namespace {

// Cyrillic capitals are D0 80..D0 AF; their small letters follow in D0 B0..D1 9F.
void AppendLowerCyrillic(std::string& out, unsigned char second) {
    if (second >= 0x90 && second <= 0x9F) {
        out += '\xD0';
        out += static_cast<char>(second + 0x20);
    } else if (second >= 0xA0 && second <= 0xAF) {
        out += '\xD1';
        out += static_cast<char>(second - 0x20);
    } else if (second <= 0x8F) {
        out += '\xD1';
        out += static_cast<char>(second + 0x10);
    } else {
        out += '\xD0';
        out += static_cast<char>(second);
    }
}

} // namespace

std::string LowerText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xD0 && i + 1 < text.size()) {
            AppendLowerCyrillic(out, static_cast<unsigned char>(text[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    return LowerText(a) == LowerText(b);
}
