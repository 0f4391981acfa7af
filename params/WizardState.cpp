#include "params/WizardState.h"

WizardState& TheWizardState() {
    static WizardState state;
    return state;
}

bool IsChoiceAllowed(std::uint8_t mask, int modification) {
    constexpr std::uint8_t kNeverShown = 0x80;
    if (mask == 0)
        return true;
    if (mask & kNeverShown)
        return false;
    const int bit = modification < 1 ? 0 : modification - 1;
    // A mask has bits for modifications 1..8 only.
    if (bit > 7)
        return true;
    return (mask & (1u << bit)) == 0;
}

bool IsChoiceAllowed(std::uint8_t mask) {
    return IsChoiceAllowed(mask, TheWizardState().Modification.load());
}
