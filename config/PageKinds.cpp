#include "config/PageKinds.h"

#include "config/ModificationFeatures.h"

#include <algorithm>

namespace {


bool OneChannelAtATime(int modification) {
    return modification >= 3 && modification <= 6;
}

// PWM screens of these modifications follow the output element, not the channel.
bool PwmFollowsElement(int modification) {
    return modification == 1 || modification == 4 || modification == 5;
}

// Inputs a channel page may switch on: "1".."4" in 6, "1","2" in 3 and 4.
int SwitchableInputs(int modification) {
    switch (modification) {
    case 3:
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 0;
    }
}

} // namespace

PageEnableRow InitialPageEnableRow(int modification, int channelCount) {
    const ModificationFeatures f = FeaturesOf(modification);
    PageEnableRow row{};
    for (int i = 0; i < 8; ++i) {
        const bool inCount = i < channelCount;
        const bool on = inCount && (!OneChannelAtATime(modification) || i == 0);
        row[kInputKind + i] =
            f[kFeatureInputs] && inCount && (!OneChannelAtATime(modification) || i < 2);
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
    row[kOutputLinksKind] = modification == 1;
    return row;
}

std::vector<int> ReachableKinds(int modification, int channelCount) {
    PageEnableRow row = InitialPageEnableRow(modification, channelCount);
    for (int i = 0; i < SwitchableInputs(modification); ++i)
        row[kInputKind + i] = 1;
    if (modification == 3 || modification == 6)
        row[kPositionSensorKind] = 1;
    if (modification == 3 || modification == 4 || modification == 6)
        row[kComputingBlockKind] = 1;
    if (modification >= 4 && modification <= 6) {
        row[kInspectorKind] = 1;
        row[kLbaKind] = 1;
    }
    std::vector<int> kinds;
    for (int kind = kFirstPageKind; kind <= kLastPageKind; ++kind)
        if (row[kind])
            kinds.push_back(kind);
    return kinds;
}

int InputsPerStep(int modification) {
    return modification == 5 ? 1 : modification == 6 ? 4 : 2;
}

int ChannelIndexOf(int modification, int position) {
    return modification == 5 ? position / 2 : position;
}

std::vector<int> ChannelPositions(int modification, int channelCount) {
    if (!OneChannelAtATime(modification))
        return {0};
    const int step = modification == 5 ? 2 : 1;
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
        return KindSelector{"in-t", m * position + (modification == 6 ? 3 : 1)};
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
