#pragma once
// The per-channel parameter screens ("page kinds" 1..81): which ones a
// modification shows, which selector and reference list each one uses, and
// the base index its references resolve against.

#include "config/ScreenLists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int kFirstPageKind = 1;
inline constexpr int kLastPageKind = 81;
inline constexpr int kOutputLinksKind = 49;
// First kind of each block; block kinds run first + i for i = 0..7, except
// the regulator and setpoint kinds, which interleave (25 + 2i, 26 + 2i).
inline constexpr int kInputKind = 1;
inline constexpr int kPositionSensorKind = 9;
inline constexpr int kComputingBlockKind = 17;
inline constexpr int kFirstRegulatorKind = 25;
inline constexpr int kFirstAutotuningKind = 41;
inline constexpr int kFirstPwmKind = 50;
inline constexpr int kInspectorKind = 58;
inline constexpr int kLbaKind = 66;
inline constexpr int kGateValveKind = 74;
// Kinds of one block: its first kind + i for input or channel i = 0..7.
inline constexpr int kKindsPerBlock = 8;

// One row of the page-enable table: column = page kind, nonzero = shown.
using PageEnableRow = std::array<std::uint8_t, 100>;

// The row every channel starts from once the channel count n is confirmed.
PageEnableRow InitialPageEnableRow(int modification, int channelCount);

// Kinds any channel may show, also those the channel pages switch on later
// (second inputs, computing block, inspector, LBA, position sensor).
std::vector<int> ReachableKinds(int modification, int channelCount);

// Measuring inputs per channel step (m): 1 in modification 5, 4 in 6, else 2.
int InputsPerStep(int modification);

// Channel index k of channel position p: p / 2 in modification 5, else p.
int ChannelIndexOf(int modification, int position);

// The channel positions the walk visits: only 0 in modifications 1 and 2
// (one pass over all channels), every other one in 5 (channels in pairs).
std::vector<int> ChannelPositions(int modification, int channelCount);

struct KindSelector {
    const char* name;
    int index;
};

// The parameter behind the kind's drop-down list; none for kinds without one.
std::optional<KindSelector> SelectorOfKind(int kind, int modification, int position);

// Whether the kind chooses the regulator type (25, 27 ... 39).
bool IsRegulatorKind(int kind);

// The screen of the kind; a regulator-type kind lists the PID or the on/off
// parameters by the regulator chosen.
Screen ScreenOfKind(int kind, bool pid);

// The regulator a regulator-type kind is about. Its "Pou" is read at this
// index too: the output type belongs to that regulator, not to the position.
int RegulatorIndex(int kind, int position);

// The base index of the kind's references. outputElement (1..8, 0 unknown)
// is the element whose PWM a PWM screen sets in modifications 1, 4 and 5.
int BaseIndexOfKind(int kind, int modification, int position, int outputElement);

// One screen a channel walk can reach, with the base index it resolves with.
struct ScreenUse {
    int position; // channel position p; 0 for the indication list
    int kind;     // page kind; 0 for the indication list
    Screen screen;
    int baseIndex;
};

// Every screen, position and base index the wizard can reach in the
// modification with n channels, the indication list included. PWM screens
// of modifications 1, 4 and 5 appear once per output element.
std::vector<ScreenUse> ReachableScreens(int modification, int channelCount);
