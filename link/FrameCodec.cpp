#include "link/FrameCodec.h"

#include <array>

namespace {

constexpr std::uint16_t kPolynomial = 0x8F57;
constexpr int kNameCodes = 4;
constexpr int kNameChars = 8;
constexpr int kSpaceCode = 78;
constexpr char kFirstNibble = 'G';
constexpr int kHeaderBytes = 4;
constexpr int kChecksumBytes = 2;

// Non-reflected CRC-16 step: k bits of b, most significant first.
std::uint16_t feed(std::uint16_t h, std::uint8_t b, int bits) {
    for (int i = 0; i < bits; ++i) {
        const bool differ = ((h >> 15) & 1) != ((b >> 7) & 1);
        h = static_cast<std::uint16_t>(h << 1);
        if (differ)
            h ^= kPolynomial;
        b = static_cast<std::uint8_t>(b << 1);
    }
    return h;
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool is_nibble_char(char c) {
    return c >= kFirstNibble && c < kFirstNibble + 16;
}

void put_address(const Frame& frame, int address_length, std::uint8_t* bytes) {
    if (address_length == kLongAddressLength) {
        bytes[0] = static_cast<std::uint8_t>((frame.address >> 3) & 0xFF);
        bytes[1] = static_cast<std::uint8_t>((frame.address & 7) << 5);
    } else {
        bytes[0] = static_cast<std::uint8_t>(frame.address & 0xFF);
        bytes[1] = 0;
    }
}

int take_address(const std::uint8_t* bytes, int address_length) {
    if (address_length == kLongAddressLength)
        return (bytes[0] << 3) | (bytes[1] >> 5);
    return bytes[0];
}

} // namespace

int name_symbol_code(char c) {
    if (c >= 'A' && c <= 'Z')
        return 2 * (c - 'A' + 10);
    if (c >= '0' && c <= '9')
        return 2 * (c - '0');
    switch (c) {
    case ' ':
        return kSpaceCode;
    case '_':
        return 74;
    case '-':
        return 72;
    default:
        return -1;
    }
}

std::uint16_t hash_name(std::string_view name) {
    if (name.empty())
        return 0;
    std::array<int, kNameCodes + 1> codes{kSpaceCode, kSpaceCode, kSpaceCode, kSpaceCode,
                                          kSpaceCode};
    int c = 0;
    int position = 0;
    for (char ch : name.substr(0, kNameChars)) {
        if (c > kNameCodes)
            break;
        ch = upper(ch);
        if (ch == '.' && position > 0) {
            if (c > 0)
                ++codes[c - 1];
        } else if (const int code = name_symbol_code(ch); code >= 0) {
            codes[c++] = code;
        }
        ++position;
    }
    std::uint16_t h = 0;
    for (int i = 0; i < kNameCodes; ++i)
        h = feed(h, static_cast<std::uint8_t>(codes[i] << 1), 7);
    return h;
}

std::uint16_t hash_buffer(const std::uint8_t* bytes, int count) {
    std::uint16_t h = 0;
    for (int i = 0; i < count; ++i)
        h = feed(h, bytes[i], 8);
    return h;
}

void encode_buffer(const std::uint8_t* bytes, int count, char* out) {
    for (int i = 0; i < count; ++i) {
        out[2 * i] = static_cast<char>(kFirstNibble + (bytes[i] >> 4));
        out[2 * i + 1] = static_cast<char>(kFirstNibble + (bytes[i] & 0x0F));
    }
}

// Unchecked by design; decode_frame rejects characters outside 'G'..'V' first.
void decode_buffer(const char* chars, int count, std::uint8_t* out) {
    for (int i = 0; i + 1 < count; i += 2)
        out[i / 2] = static_cast<std::uint8_t>(((chars[i] - kFirstNibble) & 0x0F) << 4 |
                                               ((chars[i + 1] - kFirstNibble) & 0x0F));
}

std::string encode_frame(const Frame& frame, int address_length) {
    const int n = static_cast<int>(frame.data.size());
    if (n > kMaxFrameData)
        return {};
    std::array<std::uint8_t, kHeaderBytes + kMaxFrameData + kChecksumBytes> bytes{};
    put_address(frame, address_length, bytes.data());
    bytes[1] |= static_cast<std::uint8_t>((frame.request ? 0x10 : 0) | n);
    bytes[2] = static_cast<std::uint8_t>(frame.hash >> 8);
    bytes[3] = static_cast<std::uint8_t>(frame.hash & 0xFF);
    for (int i = 0; i < n; ++i)
        bytes[kHeaderBytes + i] = frame.data[i];
    const std::uint16_t sum = hash_buffer(bytes.data(), kHeaderBytes + n);
    bytes[kHeaderBytes + n] = static_cast<std::uint8_t>(sum >> 8);
    bytes[kHeaderBytes + n + 1] = static_cast<std::uint8_t>(sum & 0xFF);

    std::string text(frame_length(n), '#');
    encode_buffer(bytes.data(), n + kHeaderBytes + kChecksumBytes, text.data() + 1);
    text.back() = '\r';
    return text;
}

int decode_frame(std::string_view chars, int address_length, Frame& frame) {
    const int length = static_cast<int>(chars.size());
    if (length < frame_length(0) || length > frame_length(kMaxFrameData) || length % 2 != 0 ||
        chars.front() != '#' || chars.back() != '\r')
        return kFrameBroken;
    const std::string_view body = chars.substr(1, length - 2);
    for (char c : body)
        if (!is_nibble_char(c))
            return kFrameBroken;
    std::array<std::uint8_t, kHeaderBytes + kMaxFrameData + kChecksumBytes> bytes{};
    const int m = length / 2 - 1;
    decode_buffer(body.data(), length - 2, bytes.data());
    const int n = bytes[1] & 0x0F;
    if (m != n + kHeaderBytes + kChecksumBytes)
        return kFrameBroken;
    const int received = bytes[kHeaderBytes + n] << 8 | bytes[kHeaderBytes + n + 1];
    if (received != hash_buffer(bytes.data(), m - kChecksumBytes))
        return kFrameBroken;
    frame.address = take_address(bytes.data(), address_length);
    frame.request = (bytes[1] & 0x10) != 0;
    frame.hash = static_cast<std::uint16_t>(bytes[2] << 8 | bytes[3]);
    frame.data.assign(bytes.begin() + kHeaderBytes, bytes.begin() + kHeaderBytes + n);
    return kFrameOk;
}
