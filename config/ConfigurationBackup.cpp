#include "config/ConfigurationBackup.h"

#include "config/ParameterGroups.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "link/DeviceErrorTexts.h"
#include "params/ParameterTable.h"
#include "util/TextCase.h"

#include <cstring>

namespace {

// The controller's answer to a name it does not have.
constexpr std::uint8_t kNoDescriptorCode = 40;
// Failed reads in a row after which the controller counts as gone.
constexpr int kLostAfter = 5;

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
        if (failed && (!unread || failedInRow == kLostAfter))
            return r;
        if (failed)
            unread->push_back(&p);
        if (r == kLinkOk)
            read.push_back(&p);
        if (progress)
            progress(++done, static_cast<int>(wanted.size()));
    }
    error.clear();
    return kLinkOk;
}

bool ConfigurationBackup::Resolve(const std::vector<ConfigurationEntry>& entries,
                                  std::vector<std::pair<Parameter*, std::string>>& resolved,
                                  std::string& error) const {
    resolved.clear();
    const std::vector<Parameter*> all = table.All();
    for (const ConfigurationEntry& e : entries) {
        const std::string line = "Строка " + std::to_string(e.line) + ": ";
        Parameter* p = nullptr;
        for (Parameter* q : all)
            if (EqualsNoCase(q->name, e.name) && q->index == e.index && q->indexed == e.indexed)
                p = q;
        ParameterGroup group;
        if (!p) {
            error = line + "параметра " + e.name + " нет в базе параметров";
            return false;
        }
        if (!GroupOf(p->name, p->index, group)) {
            error = line + p->name + " - не параметр настройки";
            return false;
        }
        // Checked on a copy: the limit coupling must not touch the table.
        Parameter check = *p;
        check.table = nullptr;
        if (!check.SetValue(e.value, false)) {
            error = line + "недопустимое значение '" + e.value + "' для параметра " + p->name;
            return false;
        }
        resolved.emplace_back(p, check.value);
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
