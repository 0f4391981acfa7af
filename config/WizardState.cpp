#include "config/WizardState.h"

namespace {

bool InTable(int row, int kind) {
    return row >= 0 && row < kPageEnableRows && kind >= 0 && kind < int(PageEnableRow{}.size());
}

} // namespace

void WizardState::StartChannelWalk(int count) {
    ChannelCount = count;
    ChannelPosition = 0;
    SetFeatures(FeaturesOf(Modification));
    ClearPageEnableTable();
    const PageEnableRow row = InitialPageEnableRow(Modification, count);
    for (int r = 0; r < kPageEnableRows; ++r)
        SetPageEnableRow(r, row);
}

ModificationFeatures WizardState::Features() const {
    std::lock_guard hold(mutex);
    return features;
}

void WizardState::SetFeatures(const ModificationFeatures& value) {
    std::lock_guard hold(mutex);
    features = value;
}

std::uint8_t WizardState::PageEnabled(int row, int kind) const {
    std::lock_guard hold(mutex);
    return InTable(row, kind) ? pageEnableTable[row][kind] : 0;
}

void WizardState::SetPageEnabled(int row, int kind, std::uint8_t value) {
    std::lock_guard hold(mutex);
    if (InTable(row, kind))
        pageEnableTable[row][kind] = value;
}

void WizardState::SetPageEnableRow(int row, const PageEnableRow& values) {
    std::lock_guard hold(mutex);
    if (InTable(row, 0))
        pageEnableTable[row] = values;
}

void WizardState::ClearPageEnableTable() {
    std::lock_guard hold(mutex);
    for (PageEnableRow& row : pageEnableTable)
        row.fill(0);
}

int WizardState::HighestEnabledKind(int row) const {
    for (int kind = kLastPageKind; kind >= kFirstPageKind; --kind)
        if (PageEnabled(row, kind))
            return kind;
    return 0;
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

int WizardState::CurrentChannelIndex() const {
    return ChannelIndexOf(Modification.load(), ChannelPosition.load());
}

void WizardState::FollowRegulatorType(int k, int kind, bool pid) {
    const ModificationFeatures blocks = Features();
    const int offset = (kind - kFirstRegulatorKind) / 2;
    SetPageEnabled(k, kFirstAutotuningKind + offset, pid && blocks[kFeatureAutotuning]);
    SetPageEnabled(k, kFirstPwmKind + offset, pid && blocks[kFeaturePwm]);
}
