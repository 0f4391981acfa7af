#include "config/RowRules.h"

#include "config/ParameterExchange.h"
#include "params/Parameter.h"
#include "util/NumberText.h"
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

ScreenRow* FindScreenRow(std::vector<ScreenRow>& rows, std::string_view name, int index) {
    for (ScreenRow& row : rows)
        if (row.parameter != nullptr && EqualsNoCase(row.parameter->name, name) &&
            row.parameter->index == index)
            return &row;
    return nullptr;
}

const RowRules::NamedRule RowRules::kRules[] = {
    {"A.Len", &RowRules::AddressLength}, {"bl.st", &RowRules::BlockStart},
    {"lg.ty", &RowRules::LogicType},     {"OP", &RowRules::OutputElement},
    {"P.-Sp", &RowRules::PowerSetpoint}, {"se.p", &RowRules::ValvePosition},
};

bool RowRules::Apply(bool start, const Parameter* edited) {
    bool next = start;
    deciding = -1;
    for (ScreenRow& row : rows) {
        if (row.parameter == nullptr)
            continue;
        for (const NamedRule& named : kRules)
            if (EqualsNoCase(row.parameter->name, named.name))
                (this->*named.rule)(row, *row.parameter, row.parameter == edited, next);
    }
    return next;
}

// An unread or absurd length would leave no address valid; the limits then
// stay as they are.
void RowRules::AddressLength(ScreenRow&, const Parameter& p, bool, bool&) {
    ScreenRow* address = FindScreenRow(rows, "Addr", 0);
    long long bits = 0;
    if (address == nullptr || ReadInteger(p.value, bits) == 0 || bits < 1 ||
        bits > kLongestAddress)
        return;
    address->parameter->lower = 0;
    address->parameter->upper = std::ldexp(1.0, static_cast<int>(bits)) - 1;
}

void RowRules::BlockStart(ScreenRow&, const Parameter& p, bool, bool&) {
    if (ScreenRow* blocking = FindScreenRow(rows, "bl.t", p.index))
        blocking->disabled = IsOption(p, 0) || IsOption(p, 2);
}

// The controller may change both alarm points with the logic type: they
// are read again after it.
void RowRules::LogicType(ScreenRow&, const Parameter& p, bool reread, bool&) {
    ScreenRow* first = FindScreenRow(rows, "a.i.j", p.index);
    ScreenRow* second = FindScreenRow(rows, "a.i.j", p.index + 1);
    for (ScreenRow* point : {first, second})
        if (point != nullptr && reread)
            Reread(*point);
    if (second != nullptr)
        second->disabled = IsOption(p, 0) || IsOption(p, 1);
}

void RowRules::Reread(ScreenRow& row) {
    if (device != nullptr)
        device->ReadParameterRequest(*row.parameter, 1);
}

// The output rows stand for the channels in index order: the last one in use decides.
void RowRules::OutputElement(ScreenRow& row, const Parameter& p, bool, bool& next) {
    if (row.disabled || p.index < deciding)
        return;
    deciding = p.index;
    next = !IsOption(p, 0);
}

// A setpoint given as output power lies between 0 and 1.
void RowRules::PowerSetpoint(ScreenRow&, const Parameter& p, bool, bool&) {
    ScreenRow* setpoint = FindScreenRow(rows, "Sp.lu", p.index);
    if (setpoint == nullptr)
        return;
    const bool power = IsOption(p, 1);
    setpoint->parameter->lower = power ? 0 : -kSetpointLimit;
    setpoint->parameter->upper = power ? 1 : kSetpointLimit;
}

// The valve's second output row is in use only at option 2 of its position.
void RowRules::ValvePosition(ScreenRow&, const Parameter& p, bool, bool&) {
    if (ScreenRow* output = FindScreenRow(rows, "op", p.index + 1))
        output->disabled = !IsOption(p, 2);
}
