#pragma once
// Value texts <-> frame data on the controller's side, through the core's
// converter: replies carry the value followed by the index bytes (the
// converter's readers expect them), writes are checked for size, decoding
// and limits.

#include "sim/SimParameter.h"

#include <cstdint>
#include <string>
#include <vector>

class ParameterCodec {
public:
    // The reply data for p's current value; false when the value text
    // cannot be encoded.
    static bool Encode(const SimParameter& p, std::vector<std::uint8_t>& out);

    // The value text the written bytes stand for; 0 or a network error code.
    static std::uint8_t Decode(const SimParameter& p, const std::vector<std::uint8_t>& value,
                               std::string& text);

private:
    static std::uint8_t CheckSize(const Parameter& p, std::size_t size);
    static std::uint8_t CheckLimits(const Parameter& p, const std::vector<std::uint8_t>& value,
                                    const std::string& text);
};
