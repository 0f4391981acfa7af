#include "FakeSheet.h"

#include "app/WizardMainDialog.h"
#include "params/Parameter.h"

int FakeSheet::WriteParameterRequest(Parameter& parameter, int attempts) {
    writes.push_back({parameter.name, parameter.value, attempts});
    return refuseWrites ? 1 : 0;
}

int FakeSheet::ReadParameterRequest(Parameter& parameter, int attempts) {
    reads.push_back({parameter.name, parameter.value, attempts});
    parameter.value = readValue;
    return 0;
}

void FakeSheet::FillChoices(QComboBox& combo, Parameter& parameter) {
    WizardMainDialog::FillChoiceCombo(combo, parameter, table, state);
}
