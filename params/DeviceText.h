#pragma once
// Text the controller sends as single-byte characters ("dev", "ver", the
// "string" and "ASCI" formats) becomes UTF-8 here, in one place.

#include <cstdint>
#include <string>

// The bytes in the order given, up to the first zero byte, as UTF-8.
std::string device_bytes_to_text(const std::uint8_t* bytes, int count);
