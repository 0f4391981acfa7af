#include "util/SettingsStore.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Far more than the settings need; anything bigger is not our file.
constexpr std::uintmax_t kMaxFileSize = 1 << 20;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string home_dir() {
    std::string home = env("HOME");
    if (home.empty())
        if (const passwd* pw = ::getpwuid(::getuid()))
            home = pw->pw_dir;
    return home;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool same_name(const std::string& line, const std::string& name, std::string* value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    const std::string key = trim(line.substr(0, eq));
    if (key.size() != name.size() || ::strcasecmp(key.c_str(), name.c_str()) != 0)
        return false;
    if (value)
        *value = trim(line.substr(eq + 1));
    return true;
}

bool write_all(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a symlinked settings path really names, so the link survives.
fs::path real_target(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    fs::path target = fs::weakly_canonical(path, ec);
    return ec ? fs::path(path) : target;
}

void sync_dir(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes data to a temporary file beside target and renames it over target,
// so readers see the old file or the new one, never a part. Empty, or why not.
std::string replace_file(const fs::path& target, const std::string& data) {
    std::error_code ec;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    if (ec)
        return ec.message();
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return std::strerror(errno);
    bool ok = ::fchmod(fd, 0644) == 0 && write_all(fd, data) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return std::strerror(err);
    }
    sync_dir(target.parent_path());
    return "";
}

} // namespace

std::string SettingsStore::default_path() {
    const std::string explicit_path = env("ZRK640_CONFIG");
    if (!explicit_path.empty())
        return explicit_path;
    std::string base = env("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/')
        base = home_dir() + "/.config";
    return base + "/VESK/ZRK640.conf";
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

int SettingsStore::load() {
    lines_.clear();
    std::error_code ec;
    if (!fs::exists(path_, ec) && !ec)
        return 0;
    const auto size = fs::file_size(path_, ec);
    std::ifstream in(path_, std::ios::binary);
    if (ec || size > kMaxFileSize || !in)
        return -1;
    std::string line;
    while (std::getline(in, line))
        lines_.push_back(line);
    if (!in.bad())
        return 0;
    lines_.clear();
    return -1;
}

int SettingsStore::find(const std::string& name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (same_name(lines_[i], name, nullptr))
            return static_cast<int>(i);
    return -1;
}

bool SettingsStore::contains(const std::string& name) const {
    return find(name) >= 0;
}

std::string SettingsStore::get_text(const std::string& name, const std::string& fallback) const {
    std::string value;
    const int i = find(name);
    return i >= 0 && same_name(lines_[i], name, &value) ? value : fallback;
}

int SettingsStore::get_int(const std::string& name, int fallback) const {
    const std::string text = get_text(name, "");
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    return ec == std::errc() && end == last && !text.empty() ? value : fallback;
}

void SettingsStore::set_int(const std::string& name, int value) {
    set_text(name, std::to_string(value));
}

int SettingsStore::set_text(const std::string& name, const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos)
        return -1;
    const std::string line = name + "=" + value;
    const int i = find(name);
    if (i >= 0)
        lines_[i] = line;
    else
        lines_.push_back(line);
    return 0;
}

void SettingsStore::remove(const std::string& name) {
    std::erase_if(lines_, [&](const std::string& l) { return same_name(l, name, nullptr); });
}

std::string SettingsStore::contents() const {
    std::string out;
    for (const auto& line : lines_)
        out += line + "\n";
    return out;
}

int SettingsStore::save(std::string& error_text) const {
    const std::string reason = replace_file(real_target(path_), contents());
    if (reason.empty())
        return 0;
    error_text = "Не удается записать файл настроек " + path_ + ": " + reason;
    return -1;
}
