#pragma once
// Every parameter of one name in the table, by index, found without the
// lookup's message box: a procedure that writes whatever indexes exist
// skips the missing ones silently.

#include <map>
#include <string_view>

class Parameter;
class ParameterTable;

using ParametersByIndex = std::map<int, Parameter*>;

ParametersByIndex ParametersNamed(const ParameterTable& table, std::string_view name);

// The parameter under index, or null.
Parameter* AtIndex(const ParametersByIndex& parameters, int index);

// The value text of p's choice number.
void SetChoice(Parameter& p, int number);
