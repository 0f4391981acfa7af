#pragma once
// The controller's network error codes that the programs name (the first
// data byte of an "n.Err" reply); their texts are in DeviceErrorTexts.

#include <cstdint>

namespace NetworkErrors {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kPointAbove3 = 2;   //!< STORED_DOT with more than 3 places
inline constexpr std::uint8_t kRomParameter = 3;  //!< write to a read-only parameter
inline constexpr std::uint8_t kOutOfLimits = 6;   //!< value outside the limits or choices
inline constexpr std::uint8_t kBadChecksum = 39;  //!< a frame failing its checksum
inline constexpr std::uint8_t kNoDescriptor = 40; //!< unknown parameter name
inline constexpr std::uint8_t kBadMantissa = 48;  //!< data that decode to no value
inline constexpr std::uint8_t kDataSize = 49;     //!< data field of the wrong size
inline constexpr std::uint8_t kIndexBeyond = 53;  //!< index the parameter does not have
inline constexpr std::uint8_t kBusy = 65;         //!< the front-panel menu holds the device
inline constexpr std::uint8_t kInvalidCombination = 71;
inline constexpr std::uint8_t kEepromRead = 72; //!< a stored value that cannot be sent
inline constexpr std::uint8_t kNodesNotAscending = 73;
inline constexpr std::uint8_t kXWithNodes = 74;
} // namespace NetworkErrors
