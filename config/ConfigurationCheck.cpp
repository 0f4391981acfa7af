#include "config/ConfigurationCheck.h"

#include "config/ModificationTraits.h"
#include "config/ParameterGroups.h"
#include "device/NetRS485.h"
#include "params/Parameter.h"
#include "params/ParameterTable.h"
#include "params/ValueCheck.h"
#include "util/ReadWholeFile.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr const char* kModificationName = "mod.v";
constexpr int kNotConnected = 0;

// The file's line of e, checked: a configuration parameter of the table, a
// value it takes; the modification only one of the six.
Parameter* ResolveEntry(const ParameterTable& table, const ConfigurationEntry& e,
                        std::string& value, std::string& error) {
    const std::string line = "Строка " + std::to_string(e.line) + ": ";
    Parameter* p = nullptr;
    for (Parameter* q : table.All())
        if (EqualsNoCase(q->name, e.name) && q->index == e.index && q->indexed == e.indexed)
            p = q;
    ParameterGroup group;
    if (!p) {
        error = line + "параметра " + e.name + " нет в базе параметров";
        return nullptr;
    }
    if (!GroupOf(p->name, p->index, group)) {
        error = line + p->name + " - не параметр настройки";
        return nullptr;
    }
    if (e.unread)
        return p;
    std::string detail;
    if (!ValueCheck::Check(*p, e.value, value, detail)) {
        error = line + ValueCheck::RefusalText(*p, e.value, detail);
        return nullptr;
    }
    if (EqualsNoCase(p->name, kModificationName)) {
        const int m = std::atoi(value.c_str());
        if (m < 1 || m > kModificationCount) {
            error = line + ValueCheck::RefusalText(*p, e.value, "") + " (модификации от 1 до " +
                    std::to_string(kModificationCount) + ")";
            return nullptr;
        }
    }
    return p;
}

// Two links of the file on one output element would be refused halfway.
bool DuplicateLink(const CheckedConfiguration& checked, std::string& error) {
    std::map<int, std::string> taken;
    for (const auto& [p, value] : checked.values) {
        const int element = IsOutputLink(*p) ? ChoiceNumberOf(*p, value) : kNotConnected;
        if (element <= kNotConnected)
            continue;
        const auto [at, fresh] = taken.emplace(element, ConfigurationKey(*p));
        if (!fresh) {
            error = "В файле к одному Выходному элементу подключены " + at->second + " и " +
                    ConfigurationKey(*p);
            return true;
        }
    }
    return false;
}

} // namespace

bool IsOutputLink(const Parameter& p) {
    return EqualsNoCase(p.name, "op") || EqualsNoCase(p.name, "rel.a");
}

int ChoiceNumberOf(const Parameter& p, const std::string& text) {
    for (int n = 0;; ++n) {
        const std::string choice = choice_text(p, n);
        if (choice == kNoData || choice.empty())
            return -1;
        if (choice == text)
            return n;
    }
}

bool CheckConfiguration(const ParameterTable& table, const std::vector<ConfigurationEntry>& entries,
                        CheckedConfiguration& checked, std::string& error) {
    CheckedConfiguration taken;
    for (const ConfigurationEntry& e : entries) {
        std::string value;
        Parameter* p = ResolveEntry(table, e, value, error);
        if (!p)
            return false;
        if (e.unread)
            taken.unread.push_back(ConfigurationKey(*p));
        else
            taken.values.emplace_back(p, value);
    }
    if (DuplicateLink(taken, error))
        return false;
    // Blocks before their settings, whatever order the file has.
    std::stable_sort(taken.values.begin(), taken.values.end(), [](const auto& a, const auto& b) {
        return ConfigurationOrder(*a.first, *b.first);
    });
    checked = std::move(taken);
    return true;
}

bool LoadConfigurationFile(const std::string& path, bool partial, const ParameterTable& table,
                           CheckedConfiguration& checked, std::string& error) {
    std::string bytes;
    if (ReadWholeFile(path, kLargestConfigurationFile, bytes, error) != 0) {
        error = "Не удается прочитать файл " + path + ": " + error;
        return false;
    }
    std::vector<ConfigurationEntry> entries;
    if (ParseConfiguration(bytes, partial, entries, error) != 0 ||
        !CheckConfiguration(table, entries, checked, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool LeaveOutNetworkSettings(CheckedConfiguration& checked) {
    const std::size_t before = checked.values.size() + checked.unread.size();
    std::erase_if(checked.values, [](const std::pair<Parameter*, std::string>& v) {
        return NetRS485::IsNetworkSettingName(v.first->name);
    });
    std::erase_if(checked.unread, [](const std::string& key) {
        return NetRS485::IsNetworkSettingName(key.substr(0, key.find('[')));
    });
    return checked.values.size() + checked.unread.size() != before;
}

std::vector<DifferenceRow> DifferenceRows(const std::vector<ConfigurationDifference>& differences) {
    std::vector<DifferenceRow> rows;
    for (const ConfigurationDifference& d : differences)
        rows.push_back({ConfigurationKey(*d.parameter), d.parameter->caption, d.parameter->value,
                        d.wanted});
    return rows;
}
