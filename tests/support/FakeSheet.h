#pragma once
// Stands in for the wizard sheet: records what the list and its edit
// procedure ask of it and fills choice lists with the wizard's own filter.

#include "config/ParameterExchange.h"
#include "config/WizardState.h"
#include "controls/ParameterRequests.h"
#include "params/ParameterTable.h"

#include <functional>
#include <string>
#include <vector>

class QObject;

class FakeSheet : public ParameterRequests, public ParameterExchange {
public:
    struct Request {
        std::string name;
        std::string value; // the value text at the time of the request
        int attempts = 0;
    };

    // No worker here: the job and what follows run at once.
    void RunOnDevice(QObject*, std::function<int()> job, std::function<void(int)> then) {
        const int result = job();
        if (then)
            then(result);
    }
    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    void FillChoices(QComboBox& combo, Parameter& parameter) override;

    std::vector<Request> writes;
    std::vector<Request> reads;
    std::vector<bool> nextStates;
    ParameterTable table;        // the other channels' links, for the choice filter
    WizardState state;           // the modification and channel the filter sees
    bool refuseWrites = false;   // answer as the controller's refusal after its box
    std::string readValue = "7"; // what a read brings from the device
};
