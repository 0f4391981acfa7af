#pragma once
// Which output elements (1..8) the user gave each channel's regulator (first
// output) and inspector (second output), so that no element is offered to
// two channels.

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kOutputElementCount = 8;

enum class OutputWhich { First = 0, Second = 1 };

struct AssignedElement {
    std::string name; // "Выходной элемент №N"
    int element = -1; // 0..7; -1 when nothing is assigned (name is the default)
};

class OutputElementMasks {
public:
    static constexpr int kChannels = 4;

    // Bit e set: element e + 1. Channels outside 0..3 read as 0.
    std::uint8_t Mask(int k, OutputWhich which) const;
    // Assigns element e (0..7) alone; any other e clears the mask.
    void Assign(int k, OutputWhich which, int e);
    void Clear();

    // Whether a channel index other than k has element e in either mask.
    bool IsElementTaken(int k, int e) const;

    // The element of channel position p (p / 2 in modification 5): the
    // lowest bit of its mask, or the default 2k + 1 / 2k + 2 with element -1.
    AssignedElement GetAssignedElementName(int p, OutputWhich which, int modification) const;

    // "Выходной элемент №N" for N = 1..8.
    static std::string ElementName(int number);

private:
    std::array<std::array<std::uint8_t, 2>, kChannels> masks{};
};
