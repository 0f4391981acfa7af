#include "sim/Journal.h"

#include "params/ChoiceList.h"

bool Journal::Open(const std::string& path, std::string& error) {
    file_.open(path, std::ios::app | std::ios::binary);
    if (!file_) {
        error = path + ": не удалось открыть журнал для записи";
        return false;
    }
    return true;
}

void Journal::Wrote(const std::string& tag, const Parameter& p, const std::string& text) {
    std::string line = tag + p.name + "[" + std::to_string(p.index) + "]=" + text;
    if (p.format.find(':') != std::string::npos)
        line += " #" + std::to_string(find_choice(p.format, text));
    Add(std::move(line));
}

void Journal::Applied(const std::string& tag, const std::string& command) {
    Add(tag + command);
}

void Journal::Add(std::string line) {
    if (file_.is_open())
        file_ << line << '\n' << std::flush;
    lines_.push_back(std::move(line));
}
