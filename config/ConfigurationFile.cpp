#include "config/ConfigurationFile.h"

#include "config/ParameterGroups.h"
#include "params/Parameter.h"
#include "util/TextCase.h"
#include "util/TextFileEncoding.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>

namespace {

constexpr const char* kCaptionMark = "  # ";
constexpr std::string_view kEndMark = "# Конец файла, значений: ";
constexpr const char* kUnreadNote = "; не прочитано: ";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

ParameterGroup Group(const Parameter& p) {
    ParameterGroup g;
    GroupOf(p.name, p.index, g);
    return g;
}

std::string LineText(int number) {
    return "Строка " + std::to_string(number) + ": ";
}

// "NAME" or "NAME[INDEX]".
bool ParseKey(const std::string& key, ConfigurationEntry& entry) {
    const std::size_t bracket = key.find('[');
    entry.name = key.substr(0, bracket);
    if (entry.name.empty() || entry.name.find_first_of(" \t]") != std::string::npos)
        return false;
    if (bracket == std::string::npos)
        return true;
    if (key.back() != ']')
        return false;
    const char* first = key.data() + bracket + 1;
    const char* last = key.data() + key.size() - 1;
    const auto [end, ec] = std::from_chars(first, last, entry.index);
    entry.indexed = true;
    return first != last && ec == std::errc() && end == last && entry.index >= 0;
}

// The count of an end line, or -1 for any other line.
int EndCount(const std::string& line) {
    if (line.rfind(kEndMark, 0) != 0)
        return -1;
    const char* first = line.data() + kEndMark.size();
    const char* last = line.data() + line.size();
    int count = -1;
    const auto [end, ec] = std::from_chars(first, last, count);
    return ec == std::errc() && end == last ? count : -1;
}

// The end line is the last one of the file and counts its values.
bool EndLineFits(int count, int endCount, int endLine, int lastValueLine, std::string& error) {
    if (endCount < 0) {
        error = "Файл обрезан: нет последней строки \"" + std::string(kEndMark) +
                "N\". Файл, задающий лишь часть значений, - с --partial";
        return false;
    }
    if (lastValueLine > endLine) {
        error = LineText(lastValueLine) + "значение после строки конца файла";
        return false;
    }
    if (endCount != count) {
        error = "Файл обрезан или изменен: значений в нем " + std::to_string(count) +
                ", а строка конца файла говорит " + std::to_string(endCount);
        return false;
    }
    return true;
}

} // namespace

bool ConfigurationOrder(const Parameter& a, const Parameter& b) {
    const ParameterGroup ga = Group(a), gb = Group(b);
    return std::tie(ga.unit, ga.number, ga.rank, a.index) <
           std::tie(gb.unit, gb.number, gb.rank, b.index);
}

void SortForConfiguration(std::vector<const Parameter*>& parameters) {
    std::stable_sort(parameters.begin(), parameters.end(),
                     [](const Parameter* a, const Parameter* b) {
                         return ConfigurationOrder(*a, *b);
                     });
}

std::string FormatConfiguration(std::vector<const Parameter*> parameters,
                                const std::vector<std::string>& heading) {
    SortForConfiguration(parameters);
    std::string text;
    for (const std::string& line : heading)
        text += "# " + line + "\n";
    std::string title;
    for (const Parameter* p : parameters) {
        const std::string groupTitle = GroupTitle(Group(*p));
        if (groupTitle != title) {
            text += "\n# " + groupTitle + "\n";
            title = groupTitle;
        }
        text += p->name;
        if (p->indexed)
            text += "[" + std::to_string(p->index) + "]";
        text += " = " + p->value + kCaptionMark + p->caption;
        if (p->value == kNoData) {
            std::string reason = p->message;
            std::replace(reason.begin(), reason.end(), '\n', ' ');
            text += kUnreadNote + reason;
        }
        text += "\n";
    }
    return text + "\n" + std::string(kEndMark) + std::to_string(parameters.size()) + "\n";
}

int ParseConfiguration(const std::string& bytes, bool partial,
                       std::vector<ConfigurationEntry>& entries, std::string& error) {
    std::string text;
    if (TextFileEncoding::ToUtf8(bytes, text, error) != 0)
        return -1;
    std::vector<ConfigurationEntry> parsed;
    std::set<std::pair<std::string, int>> seen;
    int endCount = -1, endLine = 0, number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (const int count = EndCount(line); count >= 0) {
            endCount = count;
            endLine = number;
        }
        line = Trimmed(line.substr(0, line.find(kCaptionMark)));
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        ConfigurationEntry entry;
        entry.line = number;
        if (equals == std::string::npos || !ParseKey(Trimmed(line.substr(0, equals)), entry)) {
            error = LineText(number) + "ожидается ИМЯ[ИНДЕКС] = ЗНАЧЕНИЕ";
            return -1;
        }
        entry.value = Trimmed(line.substr(equals + 1));
        entry.unread = entry.value == kNoData;
        if (!seen.insert({LowerText(entry.name), entry.index}).second) {
            error = LineText(number) + "параметр " + entry.name + " задан повторно";
            return -1;
        }
        parsed.push_back(std::move(entry));
    }
    if (parsed.empty()) {
        error = "В файле нет ни одного значения";
        return -1;
    }
    const int count = static_cast<int>(parsed.size());
    if (!partial && !EndLineFits(count, endCount, endLine, parsed.back().line, error))
        return -1;
    entries = std::move(parsed);
    return 0;
}
