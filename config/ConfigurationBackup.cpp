#include "config/ConfigurationBackup.h"

#include "config/ModificationChange.h"
#include "config/ParameterGroups.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "link/DeviceErrorTexts.h"
#include "params/ParameterTable.h"
#include "params/ValueCheck.h"
#include "util/TextCase.h"

#include <cstdlib>
#include <cstring>

namespace {

// The controller's answer to a name it does not have.
constexpr std::uint8_t kNoDescriptorCode = 40;
constexpr const char* kModificationName = "mod.v";
// Reads failed one after another: the line is lost, not one value.
constexpr int kDeadLineReads = 3;

bool UnknownToController(const Parameter& p) {
    std::string text;
    network_error_text(kNoDescriptorCode, 1, text);
    return p.message == text;
}

} // namespace

bool SameValue(const Parameter& p, const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    std::uint8_t da[kMaxFrameData], db[kMaxFrameData];
    int la = 0, lb = 0;
    return p.ConvertToData(a, da, la) == 1 && p.ConvertToData(b, db, lb) == 1 && la == lb &&
           std::memcmp(da, db, static_cast<std::size_t>(la)) == 0;
}

std::string ConfigurationKey(const Parameter& p) {
    return p.indexed ? p.name + "[" + std::to_string(p.index) + "]" : p.name;
}

int ConfigurationBackup::Read(Parameter& p, std::string& error) {
    const int r = ops.ReadParameter(&p);
    if (r != kLinkOk)
        error = ConfigurationKey(p) + ": " + p.message;
    return r;
}

int ConfigurationBackup::ReadAll(std::vector<const Parameter*>& read, std::string& error) {
    std::vector<const Parameter*> wanted;
    ParameterGroup group;
    for (const Parameter* p : table.All())
        if (GroupOf(p->name, p->index, group))
            wanted.push_back(p);
    SortForConfiguration(wanted);
    read.clear();
    int done = 0, failedInRow = 0;
    for (const Parameter* c : wanted) {
        Parameter& p = const_cast<Parameter&>(*c);
        const int r = Read(p, error);
        const bool failed = r != kLinkOk && !UnknownToController(p);
        failedInRow = failed ? failedInRow + 1 : 0;
        if (failedInRow == kDeadLineReads)
            return r;
        if (failed)
            p.value = kNoData; // kept in the file as unread, never as an older value
        if (r == kLinkOk || failed)
            read.push_back(&p);
        if (progress)
            progress(++done, static_cast<int>(wanted.size()));
    }
    error.clear();
    return kLinkOk;
}

// The file's line of e, checked: a configuration parameter of the table, a
// value it takes; the modification only one of the six.
Parameter* ConfigurationBackup::ResolveEntry(const ConfigurationEntry& e, std::string& value,
                                             std::string& error) const {
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

bool ConfigurationBackup::Resolve(const std::vector<ConfigurationEntry>& entries,
                                  std::vector<std::pair<Parameter*, std::string>>& resolved,
                                  std::vector<std::string>& unread, std::string& error) const {
    resolved.clear();
    unread.clear();
    for (const ConfigurationEntry& e : entries) {
        std::string value;
        Parameter* p = ResolveEntry(e, value, error);
        if (!p)
            return false;
        if (e.unread)
            unread.push_back(ConfigurationKey(*p));
        else
            resolved.emplace_back(p, value);
    }
    return true;
}

int ConfigurationBackup::Compare(const std::vector<std::pair<Parameter*, std::string>>& resolved,
                                 std::vector<ConfigurationDifference>& differences,
                                 std::string& error) {
    differences.clear();
    int done = 0;
    for (const auto& [p, wanted] : resolved) {
        const int r = Read(*p, error);
        if (r != kLinkOk)
            return r;
        if (!SameValue(*p, p->value, wanted))
            differences.push_back({p, wanted});
        if (progress)
            progress(++done, static_cast<int>(resolved.size()));
    }
    return kLinkOk;
}
