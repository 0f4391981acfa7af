#pragma once
// What the controller answers to one request: the reply data, or a network
// error code sent as an "n.Err" reply.

#include <cstdint>
#include <vector>

struct Answer {
    std::uint8_t error = 0; // 0: data is the reply
    std::vector<std::uint8_t> data;

    static Answer Error(std::uint8_t code) { return {code, {}}; }
    static Answer Data(std::vector<std::uint8_t> bytes) { return {0, std::move(bytes)}; }
};
