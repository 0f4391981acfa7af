#include "sim/StateFile.h"

#include "sim/ParameterCodec.h"
#include "util/ReplaceFile.h"

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace {

struct Entry {
    SimParameter* target;
    std::string value;
};

// "name:index=value" -> the parameter and its checked value.
bool ParseLine(SimParameterBase& base, const std::string& line, Entry& entry) {
    const std::size_t colon = line.find(':');
    const std::size_t equals = line.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon)
        return false;
    int index = 0;
    try {
        index = std::stoi(line.substr(colon + 1, equals - colon - 1));
    } catch (const std::exception&) {
        return false;
    }
    entry.target = base.Find(line.substr(0, colon), index);
    if (!entry.target || entry.target->readOnly)
        return false;
    entry.value = line.substr(equals + 1);
    SimParameter probe = *entry.target;
    probe.param.value = entry.value;
    std::vector<std::uint8_t> data;
    return ParameterCodec::Encode(probe, data);
}

} // namespace

bool StateFile::Load(SimParameterBase& base, std::string& error) const {
    std::ifstream in(path_);
    if (!in)
        return true;
    std::vector<Entry> entries;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        Entry entry;
        if (!ParseLine(base, line, entry)) {
            error = path_ + ":" + std::to_string(number) + ": неверная строка: " + line;
            return false;
        }
        entries.push_back(std::move(entry));
    }
    for (const Entry& e : entries)
        e.target->param.value = e.value;
    return true;
}

bool StateFile::Save(SimParameterBase& base, std::string& error) const {
    std::ostringstream out;
    out << "# zrk640-sim parameter values\n";
    base.ForEach([&](SimParameter& p) {
        if (!p.readOnly) // identity and measurements are the device's own
            out << p.param.name << ':' << p.param.index << '=' << p.param.value << '\n';
    });
    std::string reason;
    if (ReplaceFile(path_, out.str(), reason) == 0)
        return true;
    error = path_ + ": " + reason;
    return false;
}
