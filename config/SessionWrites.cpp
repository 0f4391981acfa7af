#include "config/SessionWrites.h"

#include "config/ConfigurationBackup.h"
#include "params/Parameter.h"

void SessionWrites::Read(const Parameter& p) {
    const std::lock_guard lock(mutex);
    known[ConfigurationKey(p)] = p.value;
}

void SessionWrites::Written(const Parameter& p) {
    const std::string key = ConfigurationKey(p);
    const std::lock_guard lock(mutex);
    const auto old = known.find(key);
    writes.push_back({key, p.caption, old == known.end() ? kNoData : old->second, p.value});
    known[key] = p.value;
}

std::vector<ReportWrite> SessionWrites::Writes() const {
    const std::lock_guard lock(mutex);
    return writes;
}
