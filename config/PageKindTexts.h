#pragma once
// What a parameter screen says: the window caption, the prompt over the
// selector (empty: the selector is hidden) and the prompt over the list,
// with the channel, input or element numbers filled in.

#include <string>

class OutputElementMasks;
class ParameterTable;

struct KindTexts {
    std::string caption;
    std::string promptA; // empty: no selector on this screen
    std::string promptB;
};

// position p and channel index k of the walk; element is E of the PWM
// screens (see PwmElementText), unused by the other kinds.
KindTexts TextsOfKind(int kind, int modification, int position, const std::string& element);

// E of a PWM screen (kinds 50-57): in modification 1 the element linked to
// that channel ("OP" 2i), in 4 and 5 the element the channel pages gave the
// position, else the channel number. Empty when no element is linked.
std::string PwmElementText(int kind, int modification, int position, const ParameterTable& table,
                           const OutputElementMasks& masks);

// The number E stands for; 0 when it has none.
int PwmElementNumber(const std::string& element);
