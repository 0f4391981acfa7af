#include "cli/BusSummary.h"

#include <algorithm>

namespace {

// Characters, not bytes: the texts are Cyrillic UTF-8.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Count(const AddressRow& row, int n) {
    return row.state == AddressRow::State::Found ? std::to_string(n) : "-";
}

} // namespace

bool BusSummary::AllGood() const {
    return std::all_of(rows.begin(), rows.end(), [](const AddressRow& r) { return r.good; });
}

std::vector<std::string> BusSummary::Cells(const AddressRow& row) const {
    const char* found = row.state == AddressRow::State::Found      ? "да"
                        : row.state == AddressRow::State::NotFound ? "нет"
                                                                   : "-";
    std::vector<std::string> cells{std::to_string(row.address), found};
    if (comparing) {
        cells.push_back(Count(row, row.differences));
    } else {
        cells.push_back(Count(row, row.written));
        cells.push_back(Count(row, row.refused));
    }
    cells.push_back(row.result);
    return cells;
}

std::string BusSummary::Text() const {
    std::vector<std::vector<std::string>> table;
    table.push_back(comparing ? std::vector<std::string>{"Адрес", "Найден", "Различий", "Итог"}
                              : std::vector<std::string>{"Адрес", "Найден", "Записано",
                                                         "Не принято", "Итог"});
    for (const AddressRow& row : rows)
        table.push_back(Cells(row));
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& line : table)
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], Width(line[i]));
    std::string text;
    for (const auto& line : table) {
        std::string out;
        for (std::size_t i = 0; i < line.size(); ++i) {
            out += line[i];
            if (i + 1 < line.size())
                out += std::string(widths[i] - Width(line[i]) + 2, ' ');
        }
        text += out + '\n';
    }
    return text;
}
