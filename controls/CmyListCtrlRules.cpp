#include "controls/CmyListCtrlRules.h"

#include "controls/CmyListCtrl.h"
#include "controls/ParameterRequests.h"
#include "util/NumberText.h"
#include "params/Parameter.h"
#include "util/TextCase.h"

#include <cmath>

namespace {

// Address lengths the line can have; anything else is no length at all.
constexpr long long kLongestAddress = 32;
constexpr double kSetpointLimit = 9999;

bool IsOption(const Parameter& p, int number) {
    return p.value == choice_text(p, number);
}

} // namespace

const CmyListCtrlRules::NamedRule CmyListCtrlRules::rules[] = {
    {"A.Len", &CmyListCtrlRules::AddressLength}, {"bl.st", &CmyListCtrlRules::BlockStart},
    {"lg.ty", &CmyListCtrlRules::LogicType},     {"OP", &CmyListCtrlRules::OutputElement},
    {"P.-Sp", &CmyListCtrlRules::PowerSetpoint}, {"se.p", &CmyListCtrlRules::ValvePosition},
};

CmyListCtrlRules::CmyListCtrlRules(CmyListCtrl& list) : list(list) {}

void CmyListCtrlRules::Apply(int row, bool* flag) {
    Parameter* p = list.RowParameter(row);
    if (p == nullptr)
        return;
    for (const NamedRule& named : rules)
        if (EqualsNoCase(p->name, named.name)) {
            (this->*named.rule)(row, *p, flag);
            return;
        }
}

// An unread or absurd length would leave no address valid; the limits then
// stay as they are.
void CmyListCtrlRules::AddressLength(int, Parameter& p, bool*) {
    const int target = list.FindRow("Addr", 0);
    long long bits = 0;
    if (target < 0 || ReadInteger(p.value, bits) == 0 || bits < 1 || bits > kLongestAddress)
        return;
    Parameter* address = list.RowParameter(target);
    address->lower = 0;
    address->upper = std::ldexp(1.0, static_cast<int>(bits)) - 1;
}

void CmyListCtrlRules::BlockStart(int row, Parameter& p, bool*) {
    const int target = list.FindNextRow("bl.t", row);
    if (target >= 0)
        list.SetRowDisabled(target, IsOption(p, 0) || IsOption(p, 2));
}

void CmyListCtrlRules::LogicType(int, Parameter& p, bool*) {
    const int first = list.FindNextRow("a.i.j", 0);
    if (first < 0)
        return;
    Reread(first);
    const int second = list.FindNextRow("a.i.j", first + 1);
    if (second < 0)
        return;
    Reread(second);
    list.SetRowDisabled(second, IsOption(p, 0) || IsOption(p, 1));
}

void CmyListCtrlRules::Reread(int row) {
    Parameter* p = list.RowParameter(row);
    ParameterRequests* device = list.Requests();
    if (device == nullptr || p == nullptr)
        return;
    CmyListCtrl* target = &list;
    device->RunOnDevice(
        target, [device, p] { return device->ReadParameterRequest(*p, 1); },
        [target, row, p](int) {
            // The rows may have been rebuilt meanwhile.
            if (target->RowParameter(row) == p)
                target->SetCellText(row, 2, p->value);
        });
}

// The last enabled output row decides.
void CmyListCtrlRules::OutputElement(int row, Parameter& p, bool* flag) {
    if (flag != nullptr && list.IsRowEnabled(row))
        *flag = !IsOption(p, 0);
}

// The power setpoint shown with this row is the one that follows it.
void CmyListCtrlRules::PowerSetpoint(int row, Parameter& p, bool*) {
    Parameter* setpoint = nullptr;
    if (list.FindNextRow("Sp.lu", row, &setpoint) < 0)
        return;
    const bool power = IsOption(p, 1);
    setpoint->lower = power ? 0 : -kSetpointLimit;
    setpoint->upper = power ? 1 : kSetpointLimit;
}

void CmyListCtrlRules::ValvePosition(int row, Parameter& p, bool*) {
    const int target = list.FindNextRow("op", row + 2);
    if (target >= 0)
        list.SetRowDisabled(target, !IsOption(p, 2));
}
