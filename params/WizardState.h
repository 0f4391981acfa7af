#pragma once
// The wizard's program-wide state. Pages on the GUI thread write it, page
// workers and the core read it, hence atomics.

#include <atomic>
#include <cstdint>

struct WizardState {
    // The controller's modification, 1..6; 0 until it is known.
    std::atomic<int> Modification{0};
    // Channels in use, 1..8.
    std::atomic<int> ChannelCount{1};
    // The link settings were changed and must be stored and applied.
    std::atomic<bool> SettingsChanged{false};
};

// The one wizard state of the program.
WizardState& TheWizardState();

// Whether a choice with this visibility mask is offered in the modification:
// 0 always, bit 7 never, else unless bit (modification - 1) is set.
bool IsChoiceAllowed(std::uint8_t mask, int modification);

// The same for the current modification.
bool IsChoiceAllowed(std::uint8_t mask);
