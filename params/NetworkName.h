#pragma once
// The "name" format: a network name of up to four symbols of the name
// alphabet, each optionally followed by '.', in four bytes (first symbol last).

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kNetworkNameBytes = 4;

// 1 with four bytes written; -1 with the refusal in reason.
int network_name_to_data(std::string_view text, std::uint8_t* data, int& length,
                         std::string& reason);

// Four bytes to the name text: 1 with text set; -1 with text set to the
// invalid-symbol text.
int network_name_text(const std::uint8_t* data, std::string& text);
