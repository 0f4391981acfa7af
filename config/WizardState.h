#pragma once
// The wizard's program-wide state, in one place. Pages on the GUI thread
// write it; page workers and the core read it, hence atomics and a lock.

#include "config/ModificationTraits.h"
#include "device/DeviceState.h"
#include "config/OutputElementMasks.h"
#include "config/PageKinds.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

inline constexpr int kPageEnableRows = 4;

class WizardState : public DeviceState {
public:
    // Channels in use, 1..8.
    std::atomic<int> ChannelCount{1};
    // The channel the channel pages are at, 0-based (pairs count twice in 5).
    std::atomic<int> ChannelPosition{0};
    // The parameter-list screen being walked; 0 while none is.
    std::atomic<int> PageKind{0};
    // The channel pages' output-element choices; GUI thread, or a procedure
    // the GUI waits for.
    OutputElementMasks OutputMasks;

    // The channel walk of count channels of the current modification starts
    // afresh: the count, its features and the initial page table.
    void StartChannelWalk(int count);

    ModificationFeatures Features() const;
    void SetFeatures(const ModificationFeatures& features);

    // Rows outside 0..3 or kinds outside 0..99 read as 0 and are not written.
    std::uint8_t PageEnabled(int row, int kind) const;
    void SetPageEnabled(int row, int kind, std::uint8_t value);
    void SetPageEnableRow(int row, const PageEnableRow& values);
    void ClearPageEnableTable();
    // The last kind (81 down to 1) the row shows; 0 when it shows none.
    int HighestEnabledKind(int row) const;

    // A regulator-type kind's autotuning and PWM screens of channel index k:
    // shown for a PID regulator where the modification has them.
    void FollowRegulatorType(int k, int kind, bool pid);

    // The channel index of the current channel position (pairs in modification 5).
    int CurrentChannelIndex() const;

private:
    mutable std::mutex mutex; //!< Protects features and pageEnableTable.
    ModificationFeatures features{};
    std::array<PageEnableRow, kPageEnableRows> pageEnableTable{};
};

// Whether a choice with this visibility mask is offered in the modification:
// 0 always, bit 7 never, else unless bit (modification - 1) is set.
bool IsChoiceAllowed(std::uint8_t mask, int modification);
