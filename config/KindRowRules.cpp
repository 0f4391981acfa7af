#include "config/KindRowRules.h"

#include "config/FindShown.h"
#include "config/PageKinds.h"
#include "params/ParameterTable.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace {

// "in-t" options measured as a current or a voltage: only they have a range.
constexpr int kAnalogueInputs[] = {7, 11, 12, 13, 14};
constexpr const char* kRangeNames[] = {"Ain.L", "Ain.H"};
// The drive timings a valve model makes unused.
constexpr const char* kDriveTimingNames[] = {"t.stp", "tp.l", "tp.h", "tfp", "lsp"};
// The output links show two "OP" indexes per channel.
constexpr int kLinksPerChannel = 2;

bool IsOptionOf(const Parameter* p, const std::string& text, std::initializer_list<int> options) {
    if (p == nullptr)
        return false;
    for (int option : options)
        if (text == choice_text(*p, option))
            return true;
    return false;
}

bool Named(const ScreenRow& row, const char* name) {
    return row.parameter != nullptr && EqualsNoCase(row.parameter->name, name);
}

void SetNamed(std::vector<ScreenRow>& rows, const char* name, bool disabled) {
    for (ScreenRow& row : rows)
        if (Named(row, name))
            row.disabled = disabled;
}

void InputRange(const KindRowContext& c, std::vector<ScreenRow>& rows) {
    if (!c.selected)
        return;
    bool analogue = false;
    for (int option : kAnalogueInputs)
        analogue = analogue || IsOptionOf(c.selector, c.selection, {option});
    for (const char* name : kRangeNames)
        SetNamed(rows, name, !analogue);
}

// Weighted sum (option 1) weighs every input, difference (3) two; the
// main-signal number matters only for redundancy (8). The weights count in
// index order.
void ComputingBlock(const KindRowContext& c, std::vector<ScreenRow>& rows,
                    const ParameterTable& table) {
    int weights = 0;
    if (IsOptionOf(c.selector, c.selection, {1}))
        weights = ComputingBlockInputs(table, c.position);
    else if (IsOptionOf(c.selector, c.selection, {3}))
        weights = 2;
    std::vector<ScreenRow*> scales;
    for (ScreenRow& row : rows)
        if (Named(row, "sca"))
            scales.push_back(&row);
    std::sort(scales.begin(), scales.end(), [](const ScreenRow* a, const ScreenRow* b) {
        return a->parameter->index < b->parameter->index;
    });
    for (std::size_t j = 0; j < scales.size(); ++j)
        scales[j]->disabled = weights < static_cast<int>(j) + 1;
    SetNamed(rows, "a.ist", !IsOptionOf(c.selector, c.selection, {8}));
}

void ChannelsBeyondCount(const KindRowContext& c, std::vector<ScreenRow>& rows) {
    for (ScreenRow& row : rows)
        if (Named(row, "OP") && row.parameter->index / kLinksPerChannel >= c.channelCount)
            row.disabled = true;
}

// A valve position taken from the model leaves the drive timings unused.
void GateValve(const KindRowContext& c, std::vector<ScreenRow>& rows,
               const ParameterTable& table) {
    const Parameter* source = FindShown(table, "dlp", 2 * c.position);
    if (source == nullptr || source->value != choice_text(*source, 1))
        return;
    for (const char* name : kDriveTimingNames)
        SetNamed(rows, name, true);
}

} // namespace

void ApplyKindRowRules(const KindRowContext& c, std::vector<ScreenRow>& rows,
                       const ParameterTable& table) {
    switch (ScreenOfKind(c.kind, true)) {
    case Screen::Inputs:
        InputRange(c, rows);
        break;
    case Screen::ComputingBlock:
        ComputingBlock(c, rows, table);
        break;
    case Screen::OutputLinks:
        ChannelsBeyondCount(c, rows);
        break;
    case Screen::GateValveControl:
        GateValve(c, rows, table);
        break;
    default:
        break;
    }
}

int ComputingBlockInputs(const ParameterTable& table, int position) {
    const Parameter* inputs = FindShown(table, "n.in.c", 8 * position);
    return inputs ? std::atoi(inputs->value.c_str()) : 0;
}
