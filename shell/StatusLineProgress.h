#pragma once
// The configuration procedures' progress on the wizard's status line: the
// text and the bar under the buttons. Callable from the device worker.

#include "config/ConfigurationProgress.h"

#include <atomic>

class TransferStatus;

class StatusLineProgress : public ConfigurationProgress {
public:
    explicit StatusLineProgress(TransferStatus& status) : status(status) {}

    // A page has no busy window of its own: it shows as the status line.
    void OpenBusyWindow(const std::string& text, int step) override;
    void StepBusyWindow() override { StepProgress(); }
    void CloseBusyWindow() override { SetStatus(false, ""); }

    void SetStatus(bool shown, const std::string& text) override;
    void SetProgressStep(int percent) override { step = percent; }
    void StepProgress() override;
    void SetProgressPosition(int position) override;
    // The status line's bar has no flying block.
    void SetFlying(bool) override {}

private:
    TransferStatus& status;
    std::atomic<int> step{0};
    std::atomic<int> position{0}; // where the bar stands since the text was shown
};
