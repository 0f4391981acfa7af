#pragma once
// The line settings a serial port is opened with, and their checks.

#include <cstdint>
#include <string>

// Parity codes as the program's settings store them.
enum ParityCode : int {
    kParityOff = 0,  // no parity, parity checking off
    kParityEven = 1, // "Четность"
    kParityMark = 2,
    kParityNone = 3, // "Отсутствует": no parity bit, checking flag on
    kParityOdd = 4,  // "Нечетность"
    kParitySpace = 5,
};

struct LineSettings {
    std::string port_name = "COM1";
    std::uint32_t baud_rate = 9600;
    int parity_code = kParityNone;
    int stop_bits = 1;
    int byte_size = 8;

    // 0 when the port can be set up with these values; otherwise the open
    // result: -2 parity, stop bits or baud rate not accepted, -3 byte size.
    int check() const;
    bool parity_check_flag() const { return parity_code != kParityOff; }

    static bool is_listed_baud_rate(std::uint32_t baud);
};
