#pragma once
// The configuration's progress on the terminal (stderr): the busy window's
// text with its percentage at every step, and the status texts.

#include "config/ConfigurationProgress.h"

class TerminalProgress : public ConfigurationProgress {
public:
    void OpenBusyWindow(const std::string& text, int step) override;
    void StepBusyWindow() override;
    void CloseBusyWindow() override {}
    void SetStatus(bool shown, const std::string& text) override;
    void SetProgressStep(int) override {}
    void StepProgress() override {}
    void SetProgressPosition(int) override {}
    void SetFlying(bool) override {}

private:
    std::string busyText;
    int busyStep = 0;
    int busyPosition = 0;
};
