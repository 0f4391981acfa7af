#pragma once
// The controller's text protocol: the parameter-name hash, the checksum, the
// nibble-per-character encoding and whole frames. Pure functions, no I/O; the
// same frame layout serves requests and replies in both directions.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Frames carry at most 15 data bytes.
inline constexpr int kMaxFrameData = 15;

// `hash_name` of "n.Err": a reply with this hash is the device's error report.
inline constexpr std::uint16_t kErrorReplyHash = 0x0233;

// The address every controller on the line listens to.
inline constexpr int kBroadcastAddress = 255;

// Address length setting that selects 11-bit addressing; any other is 8-bit.
inline constexpr int kLongAddressLength = 11;

// The reply text of a frame that fails its check.
inline constexpr const char* kReplyChecksumText = "Ошибка в контрольной сумме ответа";

// Results of decode_frame.
inline constexpr int kFrameOk = 0;     // the frame holds and was decoded
inline constexpr int kFrameBroken = 1; // bad checksum, length, start/end or character

// Characters of a frame with n data bytes: '#', 2·(n+6) nibbles, CR.
constexpr int frame_length(int n) {
    return 2 * n + 14;
}

// One frame in byte form.
struct Frame {
    int address = 0;                // 0..2047, cut to the address length's bits
    bool request = false;           // true: read request, false: write or reply
    std::uint16_t hash = 0;         // hash_name of the parameter
    std::vector<std::uint8_t> data; // 0..15 bytes
};

// Code of one upper-case symbol of a network name (2·s), -1 outside the alphabet.
int name_symbol_code(char c);

std::uint16_t hash_name(std::string_view name);
std::uint16_t hash_buffer(const std::uint8_t* bytes, int count);
void encode_buffer(const std::uint8_t* bytes, int count, char* out);
void decode_buffer(const char* chars, int count, std::uint8_t* out);

// The character frame ('#' ... CR); empty when the frame has more than 15 data bytes.
std::string encode_frame(const Frame& frame, int address_length);

// Parses a received frame (with its '#' and CR). On kFrameOk frame gets the
// address, flag, hash and data; on kFrameBroken frame is left alone.
int decode_frame(std::string_view chars, int address_length, Frame& frame);
