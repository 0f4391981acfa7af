#include "config/ChannelCountChange.h"

#include "config/ChannelConfiguration.h"
#include "config/ConfigurationProgress.h"
#include "config/ModificationTraits.h"
#include "config/OutputLinks.h"
#include "config/ParametersByIndex.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/LostReplies.h"

#include <cstdlib>
#include <string>

namespace {

// Writes the parameter with its choice number, if the base has it.
void WriteChoice(DeviceOperations& ops, Parameter* p, int number) {
    if (!p)
        return;
    SetChoice(*p, number);
    ops.WriteChannelParameter(p);
}

void WriteValue(DeviceOperations& ops, Parameter* p, const char* value) {
    p->value = value;
    ops.WriteChannelParameter(p);
}

} // namespace

int ChannelCountChange::Run(Parameter& count, int modification) {
    const ModificationTraits& traits = TraitsOf(modification);
    const int channels = std::atoi(count.value.c_str());
    if (const int r = ChannelConfiguration(ops, table, progress).Apply(count, modification);
        r != kLinkOk)
        return r;
    // The count was taken; a read-back the line lost says nothing against it.
    const std::string written = count.value;
    if (ReadUntilAnswered(ops, count) != kLinkOk) {
        count.value = written;
        count.message.clear();
    }
    // A refused count has written nothing; the rest only follows a taken one.
    if (traits.discreteOutputs)
        SetDiscreteOutputs();
    if (traits.fourthSignals)
        SetFourthSignals();
    if (traits.resetsComputingBlocks)
        ResetComputingBlocks(channels);
    if (traits.disconnectsOutputs)
        OutputLinks(ops, table, progress).DisconnectOutputElements();
    return kLinkOk;
}

// The output elements work as plain switches.
void ChannelCountChange::SetDiscreteOutputs() {
    const ParametersByIndex modes = ParametersNamed(table, "r.el");
    for (int i = 0; i < 8; ++i)
        WriteChoice(ops, AtIndex(modes, i), 1);
}

// The fourth signal of each computing block comes from the channel's own
// fourth input.
void ChannelCountChange::SetFourthSignals() {
    const ParametersByIndex types = ParametersNamed(table, "t.in.");
    Parameter* first = AtIndex(types, 3);
    Parameter* second = AtIndex(types, 11);
    if (!first || !second)
        return;
    const std::string input = choice_text(*first, 0);
    for (Parameter* p : {first, second}) {
        p->value = input;
        ops.WriteChannelParameter(p);
    }
    const ParametersByIndex sources = ParametersNamed(table, "in.");
    Parameter* firstSource = AtIndex(sources, 3);
    Parameter* secondSource = AtIndex(sources, 11);
    if (firstSource && secondSource) {
        WriteValue(ops, firstSource, "3");
        WriteValue(ops, secondSource, "7");
    }
}

// Every computing block of the channels in use passes its input through.
void ChannelCountChange::ResetComputingBlocks(int channels) {
    if (channels < 1)
        return;
    const ParametersByIndex blocks = ParametersNamed(table, "cal.t");
    progress.SetStatus(true, "Инициализация Cal.t...");
    progress.SetProgressStep(100 / channels);
    for (int c = 0; c < channels; ++c) {
        progress.StepProgress();
        WriteChoice(ops, AtIndex(blocks, 8 * c), 0);
    }
    progress.SetStatus(false, "");
}

void PlugChannelCountChange(DeviceOperations& ops, const ParameterTable& table,
                            ConfigurationProgress& progress, const WizardState& state) {
    ops.SetChannelConfigurator([&ops, &table, &progress, &state](Parameter& count) {
        return ChannelCountChange(ops, table, progress).Run(count, state.Modification);
    });
}
