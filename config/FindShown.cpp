#include "config/FindShown.h"

#include "params/ParameterTable.h"

Parameter* FindShown(const ParameterTable& table, std::string_view name, int index) {
    Parameter* p = table.FindParameter(name, index);
    if (!p)
        ActivePrompter().ask(ParameterTable::MissingNotice(name));
    return p;
}
