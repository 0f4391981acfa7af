#include "sim/SimParameterBase.h"

#include "params/ChoiceList.h"
#include "link/FrameCodec.h"
#include "params/ChoiceListField.h"
#include "params/ParameterBaseReader.h"

#include <fstream>

namespace {

SimParameter FromRecord(const ParameterRecord& record) {
    SimParameter entry{Parameter(record.name), record.initial, record.flag270 == 1,
                       std::uint8_t((record.attributeFlag1 ? 1 : 0) |
                                    (record.attributeFlag2 ? 0 : 2))};
    Parameter& p = entry.param;
    ChoiceListField::Parse(record.format, p.format, p.choiceMasks);
    p.caption = record.caption;
    p.indexed = record.index >= 0;
    p.index = p.indexed ? record.index : 0;
    p.decimals = record.decimals;
    p.lower = record.lower;
    p.upper = record.upper;
    p.attributeStep = record.attributeStep;
    p.value = record.initial;
    return entry;
}

} // namespace

bool SimParameterBase::Load(const std::string& path, std::string& error) {
    if (!std::ifstream(path, std::ios::binary)) {
        error = path + ": не удалось открыть файл";
        return false;
    }
    ParameterBaseReader reader(path);
    ParameterBaseReader::RecordBytes bytes;
    std::uint32_t count = 0;
    while (count < reader.RecordCount() && reader.ReadRecord(bytes)) {
        if (!Add(FromRecord(ParameterRecord::Decode(bytes.data())), error))
            return false;
        ++count;
    }
    if (count == 0 || count < reader.RecordCount()) {
        error = path + ": данные повреждены, прочитано " + std::to_string(count) + " из " +
                std::to_string(reader.RecordCount()) + " записей";
        return false;
    }
    return true;
}

bool SimParameterBase::Add(SimParameter entry, std::string& error) {
    const std::string& name = entry.param.name;
    const std::uint16_t hash = hash_name(name);
    const auto [info, fresh] = names_.try_emplace(hash, NameInfo{name, entry.param.indexed});
    if (!fresh && !same_ignoring_latin_case(info->second.name, name)) {
        error = "имена " + info->second.name + " и " + name + " дают один код";
        return false;
    }
    const auto [slot, added] = entries_.try_emplace({hash, entry.param.index}, std::move(entry));
    if (added)
        all_.push_back(&slot->second);
    return true;
}

bool SimParameterBase::IsIndexed(std::uint16_t hash) const {
    const auto found = names_.find(hash);
    return found != names_.end() && found->second.indexed;
}

SimParameter* SimParameterBase::Find(std::uint16_t hash, int index) {
    const auto found = entries_.find({hash, index});
    return found == entries_.end() ? nullptr : &found->second;
}

SimParameter* SimParameterBase::Find(std::string_view name, int index) {
    return Find(hash_name(name), index);
}

const SimParameter* SimParameterBase::Find(std::string_view name, int index) const {
    const auto found = entries_.find({hash_name(name), index});
    return found == entries_.end() ? nullptr : &found->second;
}

void SimParameterBase::ResetValues() {
    // Most values are unchanged; assigning each was most of a reset's time.
    for (SimParameter* entry : all_) {
        if (entry->param.value != entry->initial)
            entry->param.value = entry->initial;
    }
}

void SimParameterBase::ForEach(const std::function<void(SimParameter&)>& visit) {
    for (auto& [key, entry] : entries_)
        visit(entry);
}
