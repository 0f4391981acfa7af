#include "util/CodePage1251.h"

#include <array>

namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kUpper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

int SequenceLength(unsigned char lead, char32_t& c) {
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        return 4;
    }
    return 0;
}

bool WellFormed(char32_t c, int length) {
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= kMinimum[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

constexpr char32_t CodePoint(unsigned char b) {
    if (b < 0x80)
        return b;
    if (b >= 0xC0)
        return 0x0410 + (b - 0xC0);
    return kUpper[b - 0x80];
}

// Writes the 1 to 4 bytes of c at out; returns the end.
constexpr char* WriteUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The UTF-8 bytes of every byte of the page (none needs more than 3), so
// converting is a lookup per byte rather than a chain of comparisons.
struct Utf8Bytes {
    char bytes[3];
    unsigned char length;
};

constexpr std::array<Utf8Bytes, 256> kUtf8 = [] {
    std::array<Utf8Bytes, 256> table{};
    for (int b = 0; b < 256; ++b) {
        char bytes[4]{};
        const char* end = WriteUtf8(bytes, CodePoint(static_cast<unsigned char>(b)));
        table[b] = {{bytes[0], bytes[1], bytes[2]}, static_cast<unsigned char>(end - bytes)};
    }
    return table;
}();

} // namespace

char32_t CodePage1251::DecodeByte(unsigned char b) {
    return CodePoint(b);
}

std::string CodePage1251::ToUtf8(std::string_view cp1251) {
    // Written through a pointer: a push_back per byte made the long records
    // of the parameter base slow to read.
    std::string out(cp1251.size() * 3, '\0');
    char* end = out.data();
    for (char ch : cp1251) {
        const Utf8Bytes& utf8 = kUtf8[static_cast<unsigned char>(ch)];
        end[0] = utf8.bytes[0];
        end[1] = utf8.bytes[1];
        end[2] = utf8.bytes[2];
        end += utf8.length;
    }
    out.resize(static_cast<std::size_t>(end - out.data()));
    return out;
}

std::string CodePage1251::FromUtf8(std::string_view utf8, bool* lossy) {
    std::string out;
    out.reserve(utf8.size());
    bool lost = false;
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        unsigned char byte = '?';
        if (!DecodeUtf8(utf8, pos, c) || !EncodeChar(c, byte)) {
            byte = '?';
            lost = true;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (lossy)
        *lossy = lost;
    return out;
}

bool CodePage1251::EncodeChar(char32_t c, unsigned char& byte) {
    if (c < 0x80) {
        byte = static_cast<unsigned char>(c);
        return true;
    }
    if (c >= 0x0410 && c <= 0x044F) {
        byte = static_cast<unsigned char>(0xC0 + (c - 0x0410));
        return true;
    }
    for (std::size_t i = 0; i < kUpper.size(); ++i) {
        if (kUpper[i] == c) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool CodePage1251::DecodeUtf8(std::string_view utf8, std::size_t& pos, char32_t& c) {
    const int length = SequenceLength(static_cast<unsigned char>(utf8[pos]), c);
    if (length == 0 || pos + length > utf8.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (!WellFormed(c, length)) {
        ++pos;
        return false;
    }
    pos += length;
    return true;
}

void CodePage1251::AppendUtf8(std::string& out, char32_t c) {
    char bytes[4];
    out.append(bytes, static_cast<std::size_t>(WriteUtf8(bytes, c) - bytes));
}
