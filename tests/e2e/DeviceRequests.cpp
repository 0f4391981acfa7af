#include "DeviceRequests.h"

#include "device/DeviceLink.h"
#include "app/WizardMainDialog.h"

int DeviceRequests::WriteParameterRequest(Parameter& parameter, int attempts) {
    return requests.Write(parameter, attempts);
}

int DeviceRequests::ReadParameterRequest(Parameter& parameter, int attempts) {
    return requests.Read(parameter, attempts);
}

void DeviceRequests::FillChoices(QComboBox& combo, Parameter& parameter) {
    WizardMainDialog::FillChoiceCombo(combo, parameter, link.Table(), state);
}
