#pragma once
// What the operator is told about a typed value: out of range, or a power
// brought into its range.

#include <string>

class Parameter;

// "from to" limits of the parameter with the given decimals.
std::string LimitsText(const Parameter& parameter, int decimals);
// The warning when text cannot be given to the parameter.
std::string RangeMessage(const Parameter& parameter, const std::string& text);
// A power outside 0..1 becomes rounded.
std::string PowerRoundedMessage(const std::string& rounded);
