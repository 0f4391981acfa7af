#include "config/ChannelCountChange.h"

#include "config/ChannelConfiguration.h"
#include "config/ConfigurationProgress.h"
#include "config/ModificationTraits.h"
#include "config/OutputLinks.h"
#include "config/ParametersByIndex.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/RetriedRequest.h"

#include <cstdlib>
#include <string>

namespace {

// A value the controller did not take is named, and the set-up goes no further.
bool Written(DeviceOperations& ops, Parameter& p) {
    if (ops.WriteChannelParameter(&p) == kLinkOk)
        return true;
    RetriedRequest::Report(true, p, 1);
    return false;
}

// Writes the parameter with its choice number, if the base has it.
bool WriteChoice(DeviceOperations& ops, Parameter* p, int number) {
    if (!p)
        return true;
    SetChoice(*p, number);
    return Written(ops, *p);
}

bool WriteValue(DeviceOperations& ops, Parameter* p, const char* value) {
    p->value = value;
    return Written(ops, *p);
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
    if (ops.ReadParameter(&count) != kLinkOk) {
        count.value = written;
        count.message.clear();
    }
    // A refused count has written nothing; the rest only follows a taken one.
    if (traits.discreteOutputs && !SetDiscreteOutputs())
        return kLinkOk;
    if (traits.fourthSignals && !SetFourthSignals())
        return kLinkOk;
    if (traits.resetsComputingBlocks && !ResetComputingBlocks(channels))
        return kLinkOk;
    if (traits.disconnectsOutputs)
        OutputLinks(ops, table, progress).DisconnectOutputElements();
    return kLinkOk;
}

// The output elements work as plain switches.
bool ChannelCountChange::SetDiscreteOutputs() {
    const ParametersByIndex modes = ParametersNamed(table, "r.el");
    for (int i = 0; i < 8; ++i)
        if (!WriteChoice(ops, AtIndex(modes, i), 1))
            return false;
    return true;
}

// The fourth signal of each computing block comes from the channel's own
// fourth input.
bool ChannelCountChange::SetFourthSignals() {
    const ParametersByIndex types = ParametersNamed(table, "t.in.");
    Parameter* first = AtIndex(types, 3);
    Parameter* second = AtIndex(types, 11);
    if (!first || !second)
        return true;
    const std::string input = choice_text(*first, 0);
    for (Parameter* p : {first, second}) {
        p->value = input;
        if (!Written(ops, *p))
            return false;
    }
    const ParametersByIndex sources = ParametersNamed(table, "in.");
    Parameter* firstSource = AtIndex(sources, 3);
    Parameter* secondSource = AtIndex(sources, 11);
    return !firstSource || !secondSource ||
           (WriteValue(ops, firstSource, "3") && WriteValue(ops, secondSource, "7"));
}

// Every computing block of the channels in use passes its input through.
bool ChannelCountChange::ResetComputingBlocks(int channels) {
    if (channels < 1)
        return true;
    const ParametersByIndex blocks = ParametersNamed(table, "cal.t");
    progress.SetStatus(true, "Инициализация Cal.t...");
    progress.SetProgressStep(100 / channels);
    bool written = true;
    for (int c = 0; c < channels && written; ++c) {
        progress.StepProgress();
        written = WriteChoice(ops, AtIndex(blocks, 8 * c), 0);
    }
    progress.SetStatus(false, "");
    return written;
}

void PlugChannelCountChange(DeviceOperations& ops, const ParameterTable& table,
                            ConfigurationProgress& progress, const WizardState& state) {
    ops.SetChannelConfigurator([&ops, &table, &progress, &state](Parameter& count) {
        return ChannelCountChange(ops, table, progress).Run(count, state.Modification);
    });
}
