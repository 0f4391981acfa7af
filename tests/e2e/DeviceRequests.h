#pragma once
// The sheet's parameter requests served by the same retried requests and
// choice filter the main dialog uses, without a wizard around them.

#include "config/WizardState.h"
#include "controls/ParameterRequests.h"
#include "device/RetriedRequest.h"
#include "device/TransferStatus.h"

class DeviceLink;
class DeviceOperations;

class DeviceRequests : public ParameterRequests, private TransferStatus {
public:
    DeviceRequests(DeviceLink& link, DeviceOperations& operations)
        : link(link), requests(link, operations, *this) {}

    // No worker here: the job and what follows run at once.
    void RunOnDevice(QObject*, std::function<int()> job, std::function<void(int)> then) override {
        const int result = job();
        if (then)
            then(result);
    }
    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    void FillChoices(QComboBox& combo, Parameter& parameter) override;
    void EnableNext(bool) override {} // no sheet, no Next button
    int PageKind() const override { return 1; }

    WizardState state; // the modification the choice filter sees

private:
    void ShowStatus(bool, const std::string&) override {} // no status line either
    void AdvanceProgress(int) override {}

    DeviceLink& link;
    RetriedRequest requests;
};
