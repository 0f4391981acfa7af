#pragma once
// A list of controller addresses as an operator types it: "1-32",
// "1,3,5-7". Each address once, in the order given, none the broadcast
// address (a write to it reaches every controller at once and their
// replies collide).

#include <string>
#include <vector>

// The highest address an 11-bit frame carries.
inline constexpr int kHighestAddress = 2047;

// false with the reason in error for an empty item, a number outside
// 0..kHighestAddress, a range that runs backwards, the broadcast address,
// or an address given twice (also through overlapping ranges).
bool ParseAddressList(const std::string& text, std::vector<int>& addresses, std::string& error);
