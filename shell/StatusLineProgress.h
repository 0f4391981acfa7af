#pragma once
// A configuration procedure that opens no busy window shows itself on the
// wizard's status line and its progress bar.

#include "config/ConfigurationProgress.h"
#include "device/TransferStatus.h"

class StatusLineProgress : public NullConfigurationProgress {
public:
    explicit StatusLineProgress(TransferStatus& status) : status(status) {}

    void SetStatus(bool shown, const std::string& text) override { status.ShowStatus(shown, text); }
    void SetProgressStep(int percent) override { step = percent; }
    void StepProgress() override { status.AdvanceProgress(step); }

private:
    TransferStatus& status;
    int step = 0;
};
