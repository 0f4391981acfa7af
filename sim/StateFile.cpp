#include "sim/StateFile.h"

#include "sim/ParameterCodec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

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

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
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
    const std::string temporary = path_ + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = fd >= 0 && WriteAll(fd, out.str());
    if (fd >= 0)
        ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path_.c_str()) == 0)
        return true;
    error = path_ + ": " + std::strerror(errno);
    ::unlink(temporary.c_str());
    return false;
}
