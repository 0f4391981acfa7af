#include "config/ConfigurationFile.h"

#include "config/ParameterGroups.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>

namespace {

constexpr const char* kCaptionMark = "  # ";

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

bool ValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int follow = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (follow < 0 || i + follow >= text.size())
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
                return false;
        i += follow + 1;
    }
    return true;
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
        text += " = " + p->value + kCaptionMark + p->caption + "\n";
    }
    return text;
}

int ParseConfiguration(const std::string& text, std::vector<ConfigurationEntry>& entries,
                       std::string& error) {
    if (!ValidUtf8(text)) {
        error = "Файл не в кодировке UTF-8";
        return -1;
    }
    std::vector<ConfigurationEntry> parsed;
    std::set<std::pair<std::string, int>> seen;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line = Trimmed(line.substr(0, line.find(kCaptionMark)));
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        ConfigurationEntry entry;
        entry.line = number;
        if (equals == std::string::npos || !ParseKey(Trimmed(line.substr(0, equals)), entry)) {
            error = "Строка " + std::to_string(number) + ": ожидается ИМЯ[ИНДЕКС] = ЗНАЧЕНИЕ";
            return -1;
        }
        entry.value = Trimmed(line.substr(equals + 1));
        if (!seen.insert({LowerText(entry.name), entry.index}).second) {
            error = "Строка " + std::to_string(number) + ": параметр " + entry.name +
                    " задан повторно";
            return -1;
        }
        parsed.push_back(std::move(entry));
    }
    entries = std::move(parsed);
    return 0;
}
