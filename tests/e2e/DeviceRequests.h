#pragma once
// The sheet's parameter requests served straight by the device operations,
// with the retries and the warning box the main dialog adds.

#include "controls/ParameterRequests.h"

class DeviceOperations;

class DeviceRequests : public ParameterRequests {
public:
    explicit DeviceRequests(DeviceOperations& operations) : operations(operations) {}

    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    void FillChoices(QComboBox& combo, Parameter& parameter) override;
    void EnableNext(bool) override {} // no sheet, no Next button
    int PageKind() const override { return 1; }

private:
    using Operation = int (DeviceOperations::*)(Parameter*);
    int Request(Operation operation, Parameter& parameter, int attempts);

    DeviceOperations& operations;
};
