#include "config/PageKinds.h"

#include "config/ModificationTraits.h"

#include <algorithm>

namespace {

// Modifications without channel pages walk all channels in one pass.
bool OneChannelAtATime(const ModificationTraits& t) {
    return t.channelPage != ChannelPage::None;
}

// PWM screens of these modifications follow the output element, not the channel.
bool PwmFollowsElement(int modification) {
    return TraitsOf(modification).pwmElement != PwmElement::OfChannel;
}

} // namespace

PageEnableRow InitialPageEnableRow(int modification, int channelCount) {
    const ModificationTraits& t = TraitsOf(modification);
    const ModificationFeatures& f = t.features;
    PageEnableRow row{};
    for (int i = 0; i < 8; ++i) {
        const bool inCount = i < channelCount;
        const bool on = inCount && (!OneChannelAtATime(t) || i == 0);
        row[kInputKind + i] =
            f[kFeatureInputs] && inCount && (!OneChannelAtATime(t) || i < 2);
        row[kPositionSensorKind + i] = f[kFeaturePositionSensor] && on;
        row[kComputingBlockKind + i] = f[kFeatureComputingBlock] && on;
        row[kFirstRegulatorKind + 2 * i] = f[kFeatureRegulatorType] && on;
        row[kFirstRegulatorKind + 2 * i + 1] = f[kFeatureSetpoint] && on;
        row[kFirstAutotuningKind + i] = f[kFeatureAutotuning] && on;
        row[kFirstPwmKind + i] = f[kFeaturePwm] && on;
        row[kInspectorKind + i] = f[kFeatureInspector] && on;
        row[kLbaKind + i] = f[kFeatureLba] && on;
        row[kGateValveKind + i] = f[kFeatureGateValveControl] && on;
    }
    row[kOutputLinksKind] = t.outputLinksScreen;
    return row;
}

std::vector<int> ReachableKinds(int modification, int channelCount) {
    const ModificationTraits& t = TraitsOf(modification);
    PageEnableRow row = InitialPageEnableRow(modification, channelCount);
    for (int i = 0; i < t.switchableInputs; ++i)
        row[kInputKind + i] = 1;
    // The channel pages switch these on for their channel.
    if (OneChannelAtATime(t)) {
        row[kPositionSensorKind] = t.features[kFeaturePositionSensor];
        row[kComputingBlockKind] = t.features[kFeatureComputingBlock];
        row[kInspectorKind] = t.asksInspector;
        row[kLbaKind] = t.asksInspector;
    }
    std::vector<int> kinds;
    for (int kind = kFirstPageKind; kind <= kLastPageKind; ++kind)
        if (row[kind])
            kinds.push_back(kind);
    return kinds;
}

int InputsPerStep(int modification) {
    return TraitsOf(modification).inputsPerStep;
}

int ChannelIndexOf(int modification, int position) {
    return TraitsOf(modification).pairs ? position / 2 : position;
}

std::vector<int> ChannelPositions(int modification, int channelCount) {
    const ModificationTraits& t = TraitsOf(modification);
    if (!OneChannelAtATime(t))
        return {0};
    const int step = t.pairs ? 2 : 1;
    std::vector<int> positions;
    for (int p = 0; p < channelCount; p += step)
        positions.push_back(p);
    return positions;
}

std::optional<KindSelector> SelectorOfKind(int kind, int modification, int position) {
    const int m = InputsPerStep(modification);
    if (kind >= kInputKind && kind < kPositionSensorKind)
        return KindSelector{"in-t", kind - kInputKind + m * position};
    if (kind >= kPositionSensorKind && kind < kComputingBlockKind)
        return KindSelector{"in-t", m * position + TraitsOf(modification).positionSensorInput - 1};
    if (kind >= kComputingBlockKind && kind < kFirstRegulatorKind)
        return KindSelector{"CAL.t", 8 * (kind - kComputingBlockKind + position)};
    if (IsRegulatorKind(kind))
        return KindSelector{"rEG.t", RegulatorIndex(kind, position)};
    return std::nullopt;
}

bool IsRegulatorKind(int kind) {
    return kind >= kFirstRegulatorKind && kind < kFirstAutotuningKind &&
           (kind - kFirstRegulatorKind) % 2 == 0;
}

Screen ScreenOfKind(int kind, bool pid) {
    if (kind < kPositionSensorKind)
        return Screen::Inputs;
    if (kind < kComputingBlockKind)
        return Screen::PositionSensor;
    if (kind < kFirstRegulatorKind)
        return Screen::ComputingBlock;
    if (kind < kFirstAutotuningKind)
        return IsRegulatorKind(kind) ? (pid ? Screen::Pid : Screen::OnOff) : Screen::Setpoint;
    if (kind < kOutputLinksKind)
        return Screen::Autotuning;
    if (kind == kOutputLinksKind)
        return Screen::OutputLinks;
    if (kind < kInspectorKind)
        return Screen::Pwm;
    if (kind < kLbaKind)
        return Screen::Inspector;
    if (kind < kGateValveKind)
        return Screen::Lba;
    return Screen::GateValveControl;
}

int RegulatorIndex(int kind, int position) {
    return position + (kind - kFirstRegulatorKind) / 2;
}

int BaseIndexOfKind(int kind, int modification, int position, int outputElement) {
    if (kind < kComputingBlockKind)
        return SelectorOfKind(kind, modification, position)->index;
    if (kind < kFirstRegulatorKind)
        return position + kind - kComputingBlockKind;
    if (kind < kFirstAutotuningKind)
        return IsRegulatorKind(kind)
                   ? RegulatorIndex(kind, position)
                   : ChannelIndexOf(modification, position) + (kind - kFirstRegulatorKind) / 2;
    if (kind < kOutputLinksKind)
        return position + kind - kFirstAutotuningKind;
    if (kind == kOutputLinksKind)
        return 0;
    if (kind < kInspectorKind)
        return PwmFollowsElement(modification) ? std::max(outputElement - 1, 0)
                                               : position + kind - kFirstPwmKind;
    if (kind < kLbaKind)
        return position + kind - kInspectorKind;
    if (kind < kGateValveKind)
        return position + kind - kLbaKind;
    return position + kind - kGateValveKind;
}

std::vector<ScreenUse> ReachableScreens(int modification, int channelCount) {
    std::vector<ScreenUse> uses;
    const std::vector<int> kinds = ReachableKinds(modification, channelCount);
    for (int p : ChannelPositions(modification, channelCount)) {
        for (int kind : kinds) {
            const bool perElement =
                ScreenOfKind(kind, true) == Screen::Pwm && PwmFollowsElement(modification);
            for (int element = perElement ? 1 : 0; element <= (perElement ? 8 : 0); ++element) {
                const int base = BaseIndexOfKind(kind, modification, p, element);
                uses.push_back({p, kind, ScreenOfKind(kind, true), base});
                if (IsRegulatorKind(kind))
                    uses.push_back({p, kind, Screen::OnOff, base});
            }
        }
    }
    uses.push_back({0, 0, Screen::Indication, 0});
    return uses;
}
