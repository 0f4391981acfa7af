#include "config/ParameterEdit.h"

#include "config/EditTexts.h"
#include "config/ParameterExchange.h"
#include "config/RowRules.h"
#include "params/Parameter.h"
#include "util/NumberText.h"
#include "util/TextCase.h"

namespace {

constexpr int kWriteAttempts = 2;
constexpr int kPowerOption = 1; // "P.-Sp": the setpoint is an output power

} // namespace

EditOutcome ParameterEdit::Check(const std::string& typed) {
    EditOutcome out;
    old = edited.value;
    oldChanged = edited.changed;
    std::string text = typed;
    if (EqualsNoCase(edited.name, "Sp.lu"))
        text = CheckPower(text, out.said);
    if (!edited.SetValue(text, false, &out.said)) {
        out.said.push_back({RangeMessage(edited, text), "Значение параметра", PromptIcon::Warning});
        edited.value = old;
        out.result = kEditRejected;
    }
    return out;
}

// A setpoint given as output power lies between 0 and 1.
std::string ParameterEdit::CheckPower(const std::string& text, std::vector<Prompt>& said) {
    const ScreenRow* mode = FindScreenRow(rows, "P.-Sp", edited.index);
    if (mode == nullptr || mode->parameter->value != choice_text(*mode->parameter, kPowerOption))
        return text;
    double power = 0;
    if (ReadDouble(text, power) == 0) {
        said.push_back({"Некорректное значение!", "Ошибка", PromptIcon::Information});
        return text;
    }
    if (power >= 0 && power <= 1)
        return text;
    const std::string rounded = FormatFixed(power < 0 ? 0.0 : 1.0, 3);
    said.push_back({PowerRoundedMessage(rounded), "Некорректное значение", PromptIcon::Information});
    return rounded;
}

EditOutcome ParameterEdit::Write(ParameterExchange* device, bool start) {
    EditOutcome out;
    if (device != nullptr && !rows.at(row).deferred) {
        const bool written = device->WriteParameterRequest(edited, kWriteAttempts) == 0;
        out.result = written ? kEditWritten : kEditRefused;
        if (!written)
            TakeHeldValue(*device);
    }
    out.next = RowRules(rows, device).Apply(start, &edited);
    for (ScreenRow& shown : rows)
        if (shown.parameter != nullptr)
            shown.text = shown.parameter->value;
    out.rows = rows;
    return out;
}

// A refusal leaves the controller with the value it had; after an answer
// that never came, or a refusal of a value never read, it is read back.
// Nothing more goes out once the exit or a pulled adapter ended the write.
void ParameterEdit::TakeHeldValue(ParameterExchange& device) {
    const ExchangeOutcome how = edited.exchange.outcome();
    edited.value = old;
    edited.changed = oldChanged;
    const bool known = how == ExchangeOutcome::Refused && old != kNoData;
    if (known || how == ExchangeOutcome::Aborted || how == ExchangeOutcome::PortGone ||
        how == ExchangeOutcome::NotAttempted)
        return;
    device.ReadParameterRequest(edited, 1);
}
