#pragma once
// What the device layer knows of the controller beyond its parameters. The
// wizard's own state extends it, so that both see one modification.

#include <atomic>

struct DeviceState {
    // The controller's modification, 1..6; 0 until it is known.
    std::atomic<int> Modification{0};
    // The link settings were changed and must be stored and applied.
    std::atomic<bool> SettingsChanged{false};
};
