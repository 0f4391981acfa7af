#pragma once
// The controller's link settings as its parameters carry them: their names
// and the choices each takes, in the controller's choice order. The value
// conversion, the device's and the program's settings sets and the tools
// read them here.

#include "link/LineSettings.h"

#include <array>
#include <string>
#include <string_view>

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

// The parities the controller has, in its choice order: the code the port and
// the settings file use, the choice text, zrk640ctl's option word and the
// words a sentence names it with.
struct ParityNames {
    int code;
    const char* text;
    const char* option;
    const char* phrase;
};
inline constexpr std::array<ParityNames, 3> kParities = {{
    {kParityNone, kParityNoneText, "none", "без четности"},
    {kParityEven, kParityEvenText, "even", "четность"},
    {kParityOdd, kParityOddText, "odd", "нечетность"},
}};

// The controller's parity of a code, or nullptr.
const ParityNames* ParityOfCode(int code);
// The parity of a choice text (without regard to case), or nullptr.
const ParityNames* ParityOfText(std::string_view text);
// The parity of an option word (exactly), or nullptr.
const ParityNames* ParityOfOption(std::string_view word);

// The parity code's names; those of "Отсутствует" for a code the controller
// does not have.
const ParityNames& ParityNamesOf(int code);
inline const char* ParityTextOf(int code) {
    return ParityNamesOf(code).text;
}

// The choices as a parameter's choice list, ':' between them.
template <std::size_t N> std::string ChoiceListOf(const std::array<const char*, N>& choices) {
    std::string list;
    for (const char* choice : choices)
        list += (list.empty() ? "" : ":") + std::string(choice);
    return list;
}
