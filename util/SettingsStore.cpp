#include "util/SettingsStore.h"

#include "util/ReplaceFile.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <strings.h>
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

// Views, not copies: every lookup walks all lines.
std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool same_name(std::string_view line, const std::string& name, std::string* value) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.size() != name.size() ||
        (!key.empty() && ::strncasecmp(key.data(), name.c_str(), key.size()) != 0))
        return false;
    if (value)
        *value = trim(line.substr(eq + 1));
    return true;
}

// A settings file is lines of text; control bytes mean it is something else.
bool is_text(std::string_view line) {
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && c != '\t' && c != '\r';
    });
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
    unreadable_ = false;
    std::error_code ec;
    if (!fs::exists(path_, ec) && !ec)
        return 0;
    const auto size = fs::file_size(path_, ec);
    std::ifstream in(path_, std::ios::binary);
    if (!ec && size <= kMaxFileSize && in) {
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        if (!in.bad())
            return load_text(text);
    }
    unreadable_ = true;
    return -1;
}

int SettingsStore::load_text(std::string_view text) {
    lines_.clear();
    unreadable_ = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (!is_text(line)) {
            lines_.clear();
            unreadable_ = true;
            return -1;
        }
        lines_.emplace_back(line);
        start = end + 1;
    }
    return 0;
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
    if (unreadable_) {
        error_text = kUnreadableText + path_;
        return -1;
    }
    // The settings folder is the program's own to create.
    std::error_code ec;
    const fs::path folder = fs::path(path_).parent_path();
    if (!folder.empty())
        fs::create_directories(folder, ec);
    std::string reason = ec.message();
    if (!ec && ReplaceFile(path_, contents(), reason) == 0)
        return 0;
    error_text = "Не удается записать файл настроек " + path_ + ": " + reason;
    return -1;
}
