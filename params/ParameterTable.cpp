#include "params/ParameterTable.h"

#include "util/TextCase.h"

std::string ParameterTable::MakeKey(std::string_view name, int index) {
    return LowerText(name) + ':' + std::to_string(index < 0 ? 0 : index);
}

Parameter* ParameterTable::FindParameter(std::string_view name, int index) const {
    const auto found = entries.find(MakeKey(name, index));
    return found != entries.end() ? found->second.get() : nullptr;
}

Prompt ParameterTable::MissingNotice(std::string_view name) {
    return {"Не найден параметр " + std::string(name) + " в основной таблице параметров!", "",
            PromptIcon::None, PromptButtons::Ok};
}

Parameter* ParameterTable::FindNextParameter(std::string_view name, Position& position,
                                             bool advance) const {
    auto it = position.past ? entries.upper_bound(position.key) : entries.lower_bound(position.key);
    for (; it != entries.end(); ++it) {
        if (EqualsNoCase(it->second->name, name)) {
            position.key = it->first;
            position.past = advance;
            return it->second.get();
        }
    }
    if (!entries.empty()) {
        position.key = entries.rbegin()->first;
        position.past = true;
    }
    return nullptr;
}

Parameter* ParameterTable::Adopt(std::unique_ptr<Parameter> parameter) {
    if (!parameter)
        return nullptr;
    auto [it, inserted] = entries.try_emplace(MakeKey(parameter->name, parameter->index), nullptr);
    if (!inserted)
        return nullptr;
    parameter->table = this;
    it->second = std::move(parameter);
    return it->second.get();
}

void ParameterTable::ClearParameterTable() {
    entries.clear();
    baseFileName.clear();
}

std::vector<Parameter*> ParameterTable::All() const {
    std::vector<Parameter*> all;
    all.reserve(entries.size());
    for (const auto& [key, p] : entries)
        all.push_back(p.get());
    return all;
}
