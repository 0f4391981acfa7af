#pragma once
// The functional blocks a modification of the controller may have; each
// modification's set is in its row of ModificationTraits.

#include <array>

enum Feature : int {
    kFeatureInputs = 0,
    kFeatureComputingBlock = 1,
    kFeatureRegulatorType = 2,
    kFeatureSetpoint = 3,
    kFeatureAutotuning = 4,
    kFeaturePwm = 5,
    kFeatureInspector = 6,
    kFeaturePositionSensor = 7,
    kFeatureGateValveControl = 8,
    kFeatureLba = 9,
    kFeatureCount = 10,
};

using ModificationFeatures = std::array<bool, kFeatureCount>;
