#include "config/ModificationFeatures.h"

namespace {

// Rows: modifications 1..6; columns in the order of Feature.
constexpr ModificationFeatures kFeatureTable[] = {
    // inputs, computing block, regulator, setpoint, autotuning, PWM,
    // inspector, position sensor, gate-valve control, LBA
    {true, false, true, true, true, true, false, false, false, false},    // 1
    {true, false, false, false, false, false, true, false, false, false}, // 2
    {true, true, true, true, true, false, false, true, true, false},      // 3
    {true, true, true, true, true, true, true, false, false, true},       // 4
    {true, false, true, true, true, true, false, false, false, false},    // 5
    {true, true, true, true, true, false, true, true, true, true},        // 6
};

} // namespace

ModificationFeatures FeaturesOf(int modification) {
    if (modification < 1 || modification > 6)
        return {};
    return kFeatureTable[modification - 1];
}
