#include "params/NetworkName.h"

#include "link/FrameCodec.h"

#include <array>

namespace {

constexpr int kMaxNameChars = 8;
constexpr int kSpaceCode = 78;
constexpr int kMaxSymbolCode = 79;
// The symbol the reader shows as '/': not in the hash alphabet, but a name
// read from the controller must be writable back.
constexpr int kSlashCode = 76;

int utf8_length(std::string_view text) {
    int count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char symbol_char(int s) {
    if (s < 10)
        return static_cast<char>('0' + s);
    if (s < 36)
        return static_cast<char>('A' + s - 10);
    constexpr char kSpecial[] = {'-', '_', '/', ' '};
    return kSpecial[s - 36];
}

} // namespace

int network_name_to_data(std::string_view text, std::uint8_t* data, int& length,
                         std::string& reason) {
    if (text.empty()) {
        reason = "Сетевое имя пусто";
        return -1;
    }
    if (utf8_length(text) > kMaxNameChars) {
        reason = "Сетевое имя слишком длинное";
        return -1;
    }
    std::array<int, kNetworkNameBytes> codes{kSpaceCode, kSpaceCode, kSpaceCode, kSpaceCode};
    int c = 0;
    bool after_dot = true; // a '.' needs a symbol before it
    for (char ch : text) {
        ch = upper(ch);
        const int code = ch == '/' ? kSlashCode : name_symbol_code(ch);
        // A second '.' would turn the symbol into the next one ("A.." into "B").
        if ((ch == '.' && after_dot) || (ch != '.' && code < 0)) {
            reason = "Недопустимый символ в сетевом имени";
            return -1;
        }
        if (ch == '.') {
            ++codes[c - 1];
        } else if (c == kNetworkNameBytes) {
            // A fifth symbol has no byte to go to.
            reason = "Сетевое имя слишком длинное";
            return -1;
        } else {
            codes[c++] = code;
        }
        after_dot = ch == '.';
    }
    for (int i = 0; i < kNetworkNameBytes; ++i)
        data[kNetworkNameBytes - 1 - i] = static_cast<std::uint8_t>(codes[i]);
    length = kNetworkNameBytes;
    return 1;
}

int network_name_text(const std::uint8_t* data, std::string& text) {
    std::string name;
    for (int i = kNetworkNameBytes - 1; i >= 0; --i) {
        const int code = data[i];
        if (code > kMaxSymbolCode) {
            text = "Недопустимый код символа в сетевом имени";
            return -1;
        }
        name += symbol_char(code / 2);
        if (code & 1)
            name += '.';
    }
    text = name;
    return 1;
}
