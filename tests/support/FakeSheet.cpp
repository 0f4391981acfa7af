#include "FakeSheet.h"

#include "app/WizardMainDialog.h"
#include "params/Parameter.h"

namespace {

constexpr int kRefusalCode = 71;

} // namespace

int FakeSheet::WriteParameterRequest(Parameter& parameter, int attempts) {
    writes.push_back({parameter.name, parameter.value, attempts});
    if (!refuseWrites)
        return 0;
    parameter.Record(ExchangeResult::RefusedWith(kRefusalCode));
    return 1;
}

int FakeSheet::ReadParameterRequest(Parameter& parameter, int attempts) {
    reads.push_back({parameter.name, parameter.value, attempts});
    parameter.value = readValue;
    return 0;
}

void FakeSheet::FillChoices(QComboBox& combo, Parameter& parameter) {
    WizardMainDialog::FillChoiceCombo(combo, parameter, table, state);
}
