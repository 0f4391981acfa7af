#include "config/ModificationTraits.h"

namespace {

ModificationFeatures Blocks(std::initializer_list<Feature> features) {
    ModificationFeatures f{};
    for (Feature feature : features)
        f[feature] = true;
    return f;
}

const std::vector<ModificationTraits>& Table() {
    static const std::vector<ModificationTraits> rows = {
        {.number = 1,
         .features = Blocks({kFeatureInputs, kFeatureRegulatorType, kFeatureSetpoint,
                             kFeatureAutotuning, kFeaturePwm}),
         .counts = {1, 2, 3, 4, 5, 6, 7, 8},
         .countExplanation = CountExplanation::AllEight,
         .maxChannels = 8,
         .graph = GraphUse::FromSetpoint,
         .pwmElement = PwmElement::OfLink,
         .outputLinksScreen = true,
         .resetsComputingBlocks = true},
        {.number = 2,
         .features = Blocks({kFeatureInputs, kFeatureInspector}),
         .counts = {1, 2, 3, 4, 5, 6, 7, 8},
         .countExplanation = CountExplanation::AllEight,
         .maxChannels = 8,
         .asksSquareRoot = true,
         .inspectorsOnly = true},
        {.number = 3,
         .features = Blocks({kFeatureInputs, kFeatureComputingBlock, kFeatureRegulatorType,
                             kFeatureSetpoint, kFeatureAutotuning, kFeaturePositionSensor,
                             kFeatureGateValveControl}),
         .counts = {1, 2, 3, 4},
         .countExplanation = CountExplanation::AllFourGateValve,
         .maxChannels = 4,
         .channelPage = ChannelPage::GateValve,
         .graph = GraphUse::FromSetpoint,
         .switchableInputs = 2,
         .signalsPerBlock = 2,
         .gateValveElements = 2,
         .disconnectsOutputs = true},
        {.number = 4,
         .features = Blocks({kFeatureInputs, kFeatureComputingBlock, kFeatureRegulatorType,
                             kFeatureSetpoint, kFeatureAutotuning, kFeaturePwm,
                             kFeatureInspector, kFeatureLba}),
         .counts = {1, 2, 3, 4},
         .countExplanation = CountExplanation::Choose,
         .maxChannels = 4,
         .channelPage = ChannelPage::Functions,
         .graph = GraphUse::FromSetpoint,
         .pwmElement = PwmElement::Assigned,
         .switchableInputs = 2,
         .signalsPerBlock = 2,
         .asksInspector = true,
         .assemblesOutputs = true},
        {.number = 5,
         .features = Blocks({kFeatureInputs, kFeatureRegulatorType, kFeatureSetpoint,
                             kFeatureAutotuning, kFeaturePwm}),
         .counts = {2, 4, 6, 8},
         .countExplanation = CountExplanation::Choose,
         .maxChannels = 8,
         .channelPage = ChannelPage::Functions,
         .pairs = true,
         .inputsPerStep = 1,
         .graph = GraphUse::InWalk,
         .pwmElement = PwmElement::Assigned,
         .asksInspector = true,
         .inspectorByUse = true,
         .assemblesOutputs = true},
        {.number = 6,
         .features = Blocks({kFeatureInputs, kFeatureComputingBlock, kFeatureRegulatorType,
                             kFeatureSetpoint, kFeatureAutotuning, kFeatureInspector,
                             kFeaturePositionSensor, kFeatureGateValveControl, kFeatureLba}),
         .counts = {1, 2},
         .countExplanation = CountExplanation::Choose,
         .maxChannels = 2,
         .channelPage = ChannelPage::GateValve,
         .inputsPerStep = 4,
         .graph = GraphUse::FromSetpoint,
         .switchableInputs = 4,
         .positionSensorInput = 4,
         .positionModel = true,
         .gateValveElements = 4,
         .asksInspector = true,
         .inspectorByUse = true,
         .discreteOutputs = true,
         .fourthSignals = true,
         .disconnectsOutputs = true},
    };
    return rows;
}

} // namespace

bool IsKnownModification(int modification) {
    return modification >= 1 && modification <= kModificationCount;
}

const ModificationTraits& TraitsOf(int modification) {
    static const ModificationTraits unknown{};
    return IsKnownModification(modification) ? Table()[modification - 1] : unknown;
}

ModificationFeatures FeaturesOf(int modification) {
    return TraitsOf(modification).features;
}
