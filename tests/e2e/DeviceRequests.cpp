#include "DeviceRequests.h"

#include "AllowedChoices.h"
#include "link/Prompter.h"
#include "params/DeviceOperations.h"
#include "params/Parameter.h"

int DeviceRequests::WriteParameterRequest(Parameter& parameter, int attempts) {
    return Request(&DeviceOperations::WriteChannelParameter, parameter, attempts);
}

int DeviceRequests::ReadParameterRequest(Parameter& parameter, int attempts) {
    return Request(&DeviceOperations::ReadParameter, parameter, attempts);
}

void DeviceRequests::FillChoices(QComboBox& combo, Parameter& parameter) {
    AddAllowedChoices(combo, parameter);
}

int DeviceRequests::Request(Operation operation, Parameter& parameter, int attempts) {
    int result = 1;
    for (int pass = 0; pass < (attempts > 0 ? attempts : 1) && result != 0; ++pass)
        result = (operations.*operation)(&parameter);
    if (parameter.message.empty())
        return 0;
    ShowMessage(parameter.message, parameter.name, PromptIcon::Warning);
    return 1;
}
