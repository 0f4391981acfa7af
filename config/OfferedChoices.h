#pragma once
// The choices a drop-down list offers for a parameter: those the
// modification allows and, for the output-element links of the gate-valve
// modifications, those no earlier channel has taken.

#include <string>
#include <vector>

class Parameter;
class ParameterTable;
class WizardState;

// The choice texts ('_' shown as a blank) in choice order, excluded ones left out.
std::vector<std::string> OfferedChoices(const Parameter& parameter, const ParameterTable& table,
                                        const WizardState& state);
