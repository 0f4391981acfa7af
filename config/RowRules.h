#pragma once
// Rules by which one row's value limits, greys or re-reads other rows of a
// parameter screen, and whether the screen lets the walk go on. Rows are
// found by their parameter's name and index, never by their position.

#include "config/ScreenRow.h"

#include <string_view>
#include <vector>

class Parameter;
class ParameterExchange;

class RowRules {
public:
    // device reads the rows a change makes the controller recompute; null:
    // nothing is read.
    explicit RowRules(std::vector<ScreenRow>& rows, ParameterExchange* device = nullptr)
        : rows(rows), device(device) {}

    // Runs the rule of every row. edited: the parameter just changed, whose
    // rule may read other rows; null when the screen has just been read.
    // Whether Next may be enabled: the enabled output row of the highest
    // index decides, else start.
    bool Apply(bool start, const Parameter* edited = nullptr);

private:
    using Rule = void (RowRules::*)(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    struct NamedRule {
        std::string_view name;
        Rule rule;
    };

    void AddressLength(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void BlockStart(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void LogicType(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void OutputElement(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void PowerSetpoint(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void ValvePosition(ScreenRow& row, const Parameter& p, bool reread, bool& next);
    void Reread(ScreenRow& row);

    static const NamedRule kRules[];
    std::vector<ScreenRow>& rows;
    ParameterExchange* device;
    int deciding = -1; // index of the output row that decided Next
};

// The row of the parameter name[index] among rows, or null.
ScreenRow* FindScreenRow(std::vector<ScreenRow>& rows, std::string_view name, int index);
