#pragma once
// Numbers typed by the operator and shown in lists are always written with a
// '.', whatever locale the GUI toolkit has set, so the C library's
// locale-bound strtod and printf are not used for them.

#include <cstddef>
#include <string>
#include <string_view>

// Each reads a decimal number at the start of text: blanks, then an optional
// sign, then the number. Returns the count of characters used, 0 when no
// finite number is there (value unchanged).
std::size_t ReadDouble(std::string_view text, double& value);
std::size_t ReadSingle(std::string_view text, float& value);
// Integers too long for 64 bits are held at the nearest limit.
std::size_t ReadInteger(std::string_view text, long long& value);

// True when text holds only blanks and control characters.
bool IsBlank(std::string_view text);

// value with exactly `decimals` digits after the '.'.
std::string FormatFixed(double value, int decimals);
