#pragma once
// The controller's link settings as its parameters carry them: their names
// and the choices each takes, in the controller's choice order. The value
// conversion, the device's and the program's settings sets and the tools
// read them here.

#include "link/LineSettings.h"

#include <array>
#include <string>

inline constexpr const char* kBaudName = "bPS";
inline constexpr const char* kByteSizeName = "LEn";
inline constexpr const char* kParityName = "PrtY";
inline constexpr const char* kStopBitsName = "Sbit";
inline constexpr const char* kAddressLengthName = "A.Len";
inline constexpr const char* kAddressName = "Addr";

inline constexpr const char* kParityNoneText = "Отсутствует";
inline constexpr const char* kParityEvenText = "Четность";
inline constexpr const char* kParityOddText = "Нечетность";

// Choice texts, choice 0 first.
inline constexpr std::array<const char*, 9> kBaudChoices = {
    "2400", "4800", "9600", "14400", "19200", "28800", "38400", "57600", "115200"};
inline constexpr std::array<const char*, 2> kByteSizeChoices = {"7", "8"};
inline constexpr std::array<const char*, 3> kParityChoices = {kParityNoneText, kParityEvenText,
                                                              kParityOddText};
inline constexpr std::array<const char*, 2> kStopBitsChoices = {"1", "2"};
inline constexpr std::array<const char*, 2> kAddressLengthChoices = {"8", "11"};

// The parity code's text; "Отсутствует" for a code the controller does not have.
const char* ParityTextOf(int code);

// The choices as a parameter's choice list, ':' between them.
template <std::size_t N> std::string ChoiceListOf(const std::array<const char*, N>& choices) {
    std::string list;
    for (const char* choice : choices)
        list += (list.empty() ? "" : ":") + std::string(choice);
    return list;
}
