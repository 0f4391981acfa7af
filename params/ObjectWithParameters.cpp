#include "params/ObjectWithParameters.h"

#include "util/Prompter.h"
#include "params/TextArchive.h"
#include "util/TextCase.h"

#include <algorithm>

ObjectWithParameters::~ObjectWithParameters() {
    RemoveParameters();
}

void ObjectWithParameters::RemoveParameters() {
    if (ownsParameters)
        for (Parameter* p : parameters)
            delete p;
    parameters.clear();
}

void ObjectWithParameters::Append(Parameter* p) {
    if (p != nullptr)
        parameters.push_back(p);
}

void ObjectWithParameters::Store(std::string& out) const {
    for (const Parameter* p : parameters)
        p->Store(out);
}

int ObjectWithParameters::Load(std::string_view in, std::size_t& pos) {
    // Read into copies first so that a cut-off archive changes nothing.
    std::vector<Parameter> loaded;
    std::size_t at = pos;
    for (const Parameter* p : parameters) {
        loaded.push_back(*p);
        if (loaded.back().Load(in, at) != kArchiveOk)
            return kArchiveTruncated;
    }
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        parameters[i]->name = std::move(loaded[i].name);
        parameters[i]->value = std::move(loaded[i].value);
    }
    pos = at;
    return kArchiveOk;
}

void ObjectWithParameters::BuildParameters() {
    RemoveParameters();
}

Parameter* ObjectWithParameters::FindByName(std::string_view name) const {
    const auto found =
        std::find_if(parameters.begin(), parameters.end(),
                     [name](const Parameter* p) { return EqualsNoCase(p->name, name); });
    return found == parameters.end() ? nullptr : *found;
}

std::string ObjectWithParameters::GetValueByName(std::string_view name) const {
    const Parameter* p = FindByName(name);
    return p ? p->value : std::string();
}

int ObjectWithParameters::SetValueByName(std::string_view name, const std::string& value) {
    Parameter* p = FindByName(name);
    if (p == nullptr)
        return 0;
    if (!EqualsNoCase(p->value, value))
        p->changed = true;
    p->value = value;
    return 1;
}

int ObjectWithParameters::GetLinearIndex() {
    for (const Parameter* p : parameters) {
        if (!p->indexed)
            continue;
        if (linearIndex == -1) {
            linearIndex = p->index;
            return linearIndex;
        }
        if (p->index != linearIndex)
            WarnSuspiciousIndex(*p);
    }
    return linearIndex;
}

void ObjectWithParameters::WarnSuspiciousIndex(const Parameter& p) const {
    ShowMessage("Параметер '" + p.name + "' (" + p.DisplayName() +
                    ") имеет подозрительный линейный индекс.",
                "Предупреждение", PromptIcon::Warning);
}

void ObjectWithParameters::SetLinearIndex(int i) {
    for (Parameter* p : parameters)
        if (p->indexed)
            p->index = i;
    linearIndex = i;
}

int ObjectWithParameters::GetChangeState() const {
    const bool pending = std::any_of(parameters.begin(), parameters.end(), [](const Parameter* p) {
        return p->changed;
    });
    return pending ? 2 : 0;
}

void ObjectWithParameters::ResetValues() {
    for (Parameter* p : parameters) {
        p->value = kNoData;
        p->message.clear();
        p->changed = false;
    }
}

bool ObjectWithParameters::HasErrors(bool countDeviceValueNotes) const {
    return std::any_of(parameters.begin(), parameters.end(), [&](const Parameter* p) {
        if (p->message.empty() || p->message == kNotInitialisedNote)
            return false;
        return countDeviceValueNotes || !p->message.starts_with(kDeviceValueNote);
    });
}

bool ObjectWithParameters::HasChanges() const {
    return std::any_of(parameters.begin(), parameters.end(), [&](const Parameter* p) {
        return p->changed;
    });
}

bool ObjectWithParameters::HasMissingValues() const {
    return std::any_of(parameters.begin(), parameters.end(),
                       [](const Parameter* p) { return EqualsNoCase(p->value, kNoData); });
}
