#pragma once
// The program's settings file: "name=value" lines. Lines it does not know
// (other keys, comments, sections) are kept as they are when it is written.

#include <string>
#include <string_view>
#include <vector>

class SettingsStore {
public:
    // Said once when the file cannot be read; the file name follows.
    static constexpr const char* kUnreadableText =
        "Не удается прочитать файл настроек; до конца работы действуют настройки по "
        "умолчанию, файл оставлен без изменений: ";

    // $ZRK640_CONFIG, else $XDG_CONFIG_HOME/VESK/ZRK640.conf, else
    // ~/.config/VESK/ZRK640.conf.
    static std::string default_path();

    explicit SettingsStore(std::string path = default_path());

    const std::string& path() const { return path_; }

    // Reads the file. A missing file is empty (0); an unreadable, oversized
    // or binary one loads as empty too and answers -1, so every value takes
    // its default, and save refuses to replace it.
    int load();
    // The same for the file's content already in memory.
    int load_text(std::string_view text);

    int get_int(const std::string& name, int fallback) const;
    std::string get_text(const std::string& name, const std::string& fallback) const;
    bool contains(const std::string& name) const;

    void set_int(const std::string& name, int value);
    // -1 for a value with a line break, which the file cannot hold.
    int set_text(const std::string& name, const std::string& value);
    void remove(const std::string& name);

    // Writes the file whole or not at all (temporary file, fsync, rename);
    // creates its folders. 0, or -1 with the reason in error_text; always -1
    // after a load that could not read the file.
    int save(std::string& error_text) const;

private:
    int find(const std::string& name) const;
    std::string contents() const;

    std::string path_;
    std::vector<std::string> lines_;
    bool unreadable_ = false;
};
