#pragma once
// The sheet's parameter requests served by the same retried requests and
// choice filter the main dialog uses, without a wizard around them.

#include "config/ParameterExchange.h"
#include "config/WizardState.h"
#include "controls/ParameterRequests.h"
#include "device/RetriedRequest.h"
#include "device/TransferStatus.h"

class DeviceLink;
class DeviceOperations;

class DeviceRequests : public ParameterRequests,
                       public ParameterExchange,
                       private TransferStatus {
public:
    DeviceRequests(DeviceLink& link, DeviceOperations& operations)
        : link(link), requests(link, operations, *this) {}

    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    void FillChoices(QComboBox& combo, Parameter& parameter) override;

    WizardState state; // the modification the choice filter sees

private:
    void ShowStatus(bool, const std::string&) override {} // no status line either
    void AdvanceProgress(int) override {}

    DeviceLink& link;
    RetriedRequest requests;
};
