#pragma once
// The configuration procedures' progress on screen: the busy window over the
// wizard, and the status line with its bar under the buttons. The procedures
// run on the device worker; each call is carried to the GUI thread in the
// order it was made.

#include "config/ConfigurationProgress.h"

#include <QPointer>

#include <functional>

class BusyWindow;
class CFlyProgressCtrl;
class QWidget;
class TransferStatus;

class GuiConfigurationProgress : public ConfigurationProgress {
public:
    // The bar's flying block moves every 18 ms.
    static constexpr int kFlyingPeriodMs = 18;

    // owner: the wizard window (the busy window's owner, and the object the
    // calls are carried to); status: its status line.
    GuiConfigurationProgress(QWidget& owner, CFlyProgressCtrl& bar, TransferStatus& status)
        : owner(owner), bar(bar), status(status) {}

    void OpenBusyWindow(const std::string& text, int step) override;
    void StepBusyWindow() override;
    void CloseBusyWindow() override;

    void SetStatus(bool shown, const std::string& text) override;
    void SetProgressStep(int step) override;
    void StepProgress() override;
    void SetProgressPosition(int position) override;
    void SetFlying(bool on) override;

private:
    void OnGuiThread(std::function<void()> call);

    QWidget& owner;
    CFlyProgressCtrl& bar;
    TransferStatus& status;
    // Touched on the GUI thread only.
    QPointer<BusyWindow> busyWindow;
    int progressStep = 0;
};
