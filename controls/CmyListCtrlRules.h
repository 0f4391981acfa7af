#pragma once
// Rules by which one row's value limits, enables or greys other rows of the
// list, and decides the sheet's Next button.

#include <string_view>

class CmyListCtrl;
class Parameter;

class CmyListCtrlRules {
public:
    explicit CmyListCtrlRules(CmyListCtrl& list);

    // Runs the rule of the row's parameter, if it has one. flag: the Next
    // state being worked out, or null when none is.
    void Apply(int row, bool* flag);

private:
    using Rule = void (CmyListCtrlRules::*)(int row, Parameter& p, bool* flag);
    struct NamedRule {
        std::string_view name;
        Rule rule;
    };

    void AddressLength(int row, Parameter& p, bool* flag);
    void BlockStart(int row, Parameter& p, bool* flag);
    void LogicType(int row, Parameter& p, bool* flag);
    void OutputElement(int row, Parameter& p, bool* flag);
    void PowerSetpoint(int row, Parameter& p, bool* flag);
    void ValvePosition(int row, Parameter& p, bool* flag);
    void Reread(int row);

    static const NamedRule rules[];
    CmyListCtrl& list;
};
