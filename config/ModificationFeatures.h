#pragma once
// Which functional blocks each modification of the controller has. The
// channel-count page computes them once the count is confirmed; the channel
// walk switches screens on and off by them.

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

// The blocks of modification 1..6; none for any other number.
ModificationFeatures FeaturesOf(int modification);
