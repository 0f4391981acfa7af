#include "config/KindRowRules.h"

#include "config/FindShown.h"
#include "config/PageKinds.h"
#include "params/ParameterTable.h"
#include "util/TextCase.h"

#include <cstdlib>
#include <initializer_list>

namespace {

// "in-t" options measured as a current or a voltage: only they have a range.
constexpr int kAnalogueInputs[] = {7, 11, 12, 13, 14};
constexpr int kRangeRows[] = {5, 6}; // "Ain.L", "Ain.H"

bool IsOptionOf(const Parameter* p, const std::string& text, std::initializer_list<int> options) {
    if (p == nullptr)
        return false;
    for (int option : options)
        if (text == choice_text(*p, option))
            return true;
    return false;
}

void InputRange(const KindRowContext& c, std::vector<RowState>& out) {
    if (!c.selected)
        return;
    bool analogue = false;
    for (int option : kAnalogueInputs)
        analogue = analogue || IsOptionOf(c.selector, c.selection, {option});
    for (int row : kRangeRows)
        out.push_back({row, !analogue});
}

// Weighted sum (option 1) weighs every input, difference (3) two; the
// main-signal number matters only for redundancy (8).
void ComputingBlock(const KindRowContext& c, const std::vector<const Parameter*>& rows,
                    const ParameterTable& table, std::vector<RowState>& out) {
    int weights = 0;
    if (IsOptionOf(c.selector, c.selection, {1}))
        weights = ComputingBlockInputs(table, c.position);
    else if (IsOptionOf(c.selector, c.selection, {3}))
        weights = 2;
    int j = 0;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (rows[row] == nullptr)
            continue;
        if (EqualsNoCase(rows[row]->name, "sca"))
            out.push_back({row, weights < ++j});
        else if (EqualsNoCase(rows[row]->name, "a.ist"))
            out.push_back({row, !IsOptionOf(c.selector, c.selection, {8})});
    }
}

void ChannelsBeyondCount(const KindRowContext& c, const std::vector<const Parameter*>& rows,
                         std::vector<RowState>& out) {
    for (int row = c.channelCount; row < static_cast<int>(rows.size()) && row < 8; ++row)
        if (row >= 0)
            out.push_back({row, true});
}

// A valve position taken from the model leaves the drive timings unused.
void GateValve(const KindRowContext& c, const ParameterTable& table, std::vector<RowState>& out) {
    const Parameter* source = FindShown(table, "dlp", 2 * c.position);
    if (source == nullptr || source->value != choice_text(*source, 1))
        return;
    for (int row = 1; row <= 5; ++row)
        out.push_back({row, true});
}

} // namespace

std::vector<RowState> KindRowStates(const KindRowContext& c,
                                    const std::vector<const Parameter*>& rows,
                                    const ParameterTable& table) {
    std::vector<RowState> out;
    switch (ScreenOfKind(c.kind, true)) {
    case Screen::Inputs:
        InputRange(c, out);
        break;
    case Screen::ComputingBlock:
        ComputingBlock(c, rows, table, out);
        break;
    case Screen::OutputLinks:
        ChannelsBeyondCount(c, rows, out);
        break;
    case Screen::GateValveControl:
        GateValve(c, table, out);
        break;
    default:
        break;
    }
    // Rules name rows by position; a screen with fewer rows has none to set.
    std::erase_if(out, [&](const RowState& s) { return s.row >= static_cast<int>(rows.size()); });
    return out;
}

int ComputingBlockInputs(const ParameterTable& table, int position) {
    const Parameter* inputs = FindShown(table, "n.in.c", 8 * position);
    return inputs ? std::atoi(inputs->value.c_str()) : 0;
}
