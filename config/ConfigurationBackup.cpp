#include "config/ConfigurationBackup.h"

#include "config/ParameterGroups.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/LineSilence.h"
#include "link/NetworkErrors.h"
#include "params/ParameterTable.h"

#include <cstring>

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

std::vector<std::string> UnreadLines(const std::vector<const Parameter*>& read) {
    std::vector<std::string> lines;
    for (const Parameter* p : read)
        if (p->value == kNoData)
            lines.push_back(ConfigurationKey(*p) + ": " + p->message);
    return lines;
}

// A reply lost on the line is asked for again (ReadParameter); a value that
// still cannot be read is named and handed to take as unanswered, and the
// pass goes on unless the line is dead.
int ConfigurationBackup::ReadEach(const std::vector<Parameter*>& wanted, bool skipUnknown,
                                  const std::function<void(std::size_t, bool)>& take,
                                  std::string& error, bool& dead) {
    error.clear();
    int first = kLinkOk;
    int done = 0, left = 0;
    LineSilence silence;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        Parameter* p = wanted[i];
        if (silence.Dead()) {
            ++left;
            continue;
        }
        const int r = ops.ReadParameter(p);
        silence.Count(p->exchange);
        if (r == kLinkOk) {
            take(i, true);
        } else if (!skipUnknown || !p->exchange.refusedWith(NetworkErrors::kNoDescriptor)) {
            error += (error.empty() ? "" : "\n") + ConfigurationKey(*p) + ": " + p->message;
            first = first != kLinkOk ? first : r;
            take(i, false);
        }
        if (progress)
            progress(++done, static_cast<int>(wanted.size()));
    }
    dead = left > 0;
    if (dead)
        error += "\nНет ответа от прибора: не прочитано еще " + std::to_string(left) +
                 " параметров";
    return first;
}

int ConfigurationBackup::ReadAll(std::vector<const Parameter*>& read, std::string& error) {
    std::vector<const Parameter*> sorted;
    ParameterGroup group;
    for (const Parameter* p : table.All())
        if (GroupOf(p->name, p->index, group))
            sorted.push_back(p);
    SortForConfiguration(sorted);
    std::vector<Parameter*> wanted;
    for (const Parameter* p : sorted)
        wanted.push_back(const_cast<Parameter*>(p));
    read.clear();
    // One the controller reports unknown is left out; one not read stays in
    // the file as unread, never as an older value.
    bool dead = false;
    const int r = ReadEach(
        wanted, true,
        [&](std::size_t i, bool answered) {
            if (!answered)
                wanted[i]->value = kNoData;
            read.push_back(wanted[i]);
        },
        error, dead);
    if (dead)
        return r;
    error.clear();
    return kLinkOk;
}

int ConfigurationBackup::Compare(const std::vector<std::pair<Parameter*, std::string>>& resolved,
                                 std::vector<ConfigurationDifference>& differences,
                                 std::string& error) {
    differences.clear();
    std::vector<Parameter*> wanted;
    std::vector<std::string> values;
    for (const auto& [p, value] : resolved) {
        wanted.push_back(p);
        values.push_back(value);
    }
    bool dead = false;
    return ReadEach(
        wanted, false,
        [&](std::size_t i, bool answered) {
            if (answered && !SameValue(*wanted[i], wanted[i]->value, values[i]))
                differences.push_back({wanted[i], values[i]});
        },
        error, dead);
}
