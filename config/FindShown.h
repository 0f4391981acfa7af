#pragma once
// A parameter lookup whose miss is named to the operator in a box, for the
// pages and procedures that cannot do their part without the parameter.
// Lookups that may miss without harm ask the table itself.

#include <string_view>

class Parameter;
class ParameterTable;

Parameter* FindShown(const ParameterTable& table, std::string_view name, int index);
