#pragma once
// Rows of a screen that its selector or the channel's set-up grey out after
// a read: the analogue range of an input, the unused weights of a computing
// block, the channels beyond the count, a gate valve run by its model.

#include <string>
#include <vector>

class Parameter;
class ParameterTable;

struct RowState {
    int row;
    bool disabled;
};

struct KindRowContext {
    int kind = 0;
    int modification = 0;
    int position = 0;
    int channelCount = 0;
    const Parameter* selector = nullptr; // the selector's parameter, for its option texts
    bool selected = false;               // the selector shows an entry
    std::string selection;               // its text
};

// The rows (parameters in display order) whose state the kind decides.
std::vector<RowState> KindRowStates(const KindRowContext& context,
                                    const std::vector<const Parameter*>& rows,
                                    const ParameterTable& table);

// "n.in.c" of the computing block at channel position p; 0 when unknown.
int ComputingBlockInputs(const ParameterTable& table, int position);
