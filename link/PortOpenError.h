#pragma once
// Why a serial port did not open, in words an operator can act on: the
// missing group membership, another program holding the port, an adapter
// that is gone. Never a bare error number.

#include <string>

// error_number is the errno of the failed open or lock.
std::string port_open_error_text(const std::string& port_name, int error_number);
