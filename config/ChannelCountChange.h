#pragma once
// Changing the number of channels, the same wherever it is changed (the
// channel-count page, zrk640ctl, a restore): the channel configuration one
// channel at a time, the count read back, then the modification's fixed
// wiring and follow-up writes. Runs as one sequence on the line.

class ConfigurationProgress;
class DeviceOperations;
class Parameter;
class ParameterTable;
class WizardState;

class ChannelCountChange {
public:
    ChannelCountChange(DeviceOperations& ops, const ParameterTable& table,
                       ConfigurationProgress& progress)
        : ops(ops), table(table), progress(progress) {}

    // count ("n.Ch") holds the requested count. 0 when the controller has it;
    // else the channel configuration's result, its text in count.message,
    // and no follow-up write made. A follow-up write the controller refuses
    // is named in a box and ends the set-up.
    int Run(Parameter& count, int modification);

private:
    // Each false once a write was refused (and named): the set-up stops there.
    bool SetDiscreteOutputs();
    bool SetFourthSignals();
    bool ResetComputingBlocks(int channels);

    DeviceOperations& ops;
    const ParameterTable& table;
    ConfigurationProgress& progress;
};

// Makes writes of "n.Ch" through ops.WriteChannelParameter run the change
// with the modification state holds at that moment. table, progress and
// state must outlive ops' use of the hook.
void PlugChannelCountChange(DeviceOperations& ops, const ParameterTable& table,
                            ConfigurationProgress& progress, const WizardState& state);
