#include "config/ParametersByIndex.h"

#include "params/ParameterTable.h"

ParametersByIndex ParametersNamed(const ParameterTable& table, std::string_view name) {
    ParametersByIndex found;
    ParameterTable::Position position;
    while (Parameter* p = table.FindNextParameter(name, position, true))
        found.emplace(p->index, p);
    return found;
}

Parameter* AtIndex(const ParametersByIndex& parameters, int index) {
    const auto found = parameters.find(index);
    return found == parameters.end() ? nullptr : found->second;
}

void SetChoice(Parameter& p, int number) {
    p.value = choice_text(p, number);
}
