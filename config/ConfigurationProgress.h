#pragma once
// What the configuration procedures show while they work: the busy window of
// the channel configuration, and the status text with the progress bar under
// the wizard's buttons. The GUI carries each call to its thread; zrk640ctl
// prints them; tests record them. Questions and messages go through Prompter.

#include <string>

class ConfigurationProgress {
public:
    virtual ~ConfigurationProgress() = default;

    // The busy window: opened with its text and the bar's step (100 / steps),
    // stepped once per step, closed at the end.
    virtual void OpenBusyWindow(const std::string& text, int step) = 0;
    virtual void StepBusyWindow() = 0;
    virtual void CloseBusyWindow() = 0;

    // The status text and the progress bar under the buttons.
    virtual void SetStatus(bool shown, const std::string& text) = 0;
    virtual void SetProgressStep(int step) = 0;
    virtual void StepProgress() = 0;
    virtual void SetProgressPosition(int position) = 0;
    // The bar's flying animation while a wait of unknown length runs.
    virtual void SetFlying(bool on) = 0;
};

// Shows nothing.
class NullConfigurationProgress : public ConfigurationProgress {
public:
    void OpenBusyWindow(const std::string&, int) override {}
    void StepBusyWindow() override {}
    void CloseBusyWindow() override {}
    void SetStatus(bool, const std::string&) override {}
    void SetProgressStep(int) override {}
    void StepProgress() override {}
    void SetProgressPosition(int) override {}
    void SetFlying(bool) override {}
};
