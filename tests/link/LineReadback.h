#pragma once
// The baud rate a terminal reports, read through termios2 (kept out of the
// test sources that use <termios.h>).

#include <cstdint>

std::uint32_t read_back_baud(int fd);
