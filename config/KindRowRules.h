#pragma once
// Rows of a screen that its selector or the channel's set-up grey out after
// a read: the analogue range of an input, the unused weights of a computing
// block, the channels beyond the count, a gate valve run by its model. Rows
// are found by their parameter, so the order of the list does not matter.

#include "config/ScreenRow.h"

#include <string>
#include <vector>

class Parameter;
class ParameterTable;

struct KindRowContext {
    int kind = 0;
    int modification = 0;
    int position = 0;
    int channelCount = 0;
    const Parameter* selector = nullptr; // the selector's parameter, for its option texts
    bool selected = false;               // the selector shows an entry
    std::string selection;               // its text
};

// Greys or frees the rows whose state the kind decides; the others keep theirs.
void ApplyKindRowRules(const KindRowContext& context, std::vector<ScreenRow>& rows,
                       const ParameterTable& table);

// "n.in.c" of the computing block at channel position p; 0 when unknown.
int ComputingBlockInputs(const ParameterTable& table, int position);
