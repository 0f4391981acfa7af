#pragma once
// The numeric value formats: STORED_DOT (sign, decimal places and a binary
// mantissa), DEC_dot (unsigned integer) and CLK_frm ("mm:ss" as a count of
// seconds). Encoders return 1 with the bytes written, 0 when the value cannot
// be encoded (nothing is written then).

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kStoredDotFormat = "STORED_DOT";
inline constexpr const char* kDecDotFormat = "DEC_dot";
inline constexpr const char* kClockFormat = "CLK_frm";

// A DEC_dot number this close above a whole number is taken as that number.
inline constexpr double kWholeNumberSlack = 0.00001;

int stored_dot_to_data(std::string_view text, int decimals, std::uint8_t* data, int& length);
// Always a text: lengths outside 2..10 read as 0.
std::string stored_dot_text(const std::uint8_t* data, int count);

// A fraction up to kWholeNumberSlack is dropped, as the input check allows it.
int dec_dot_to_data(std::string_view text, std::uint8_t* data, int& length);
int clk_to_data(std::string_view text, std::uint8_t* data, int& length);

// The 1- or 2-byte value of a DEC_dot or CLK_frm reply (1 or 3 bytes: byte 0;
// 2 or 4 bytes: high and low). false for any other length.
bool small_value(const std::uint8_t* data, int count, unsigned& value);
std::string clk_text(unsigned value);
