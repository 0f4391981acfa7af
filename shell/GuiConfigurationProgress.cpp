#include "shell/GuiConfigurationProgress.h"

#include "device/TransferStatus.h"
#include "shell/BusyWindow.h"
#include "shell/StatusProgressBar.h"

#include <QThread>
#include <QWidget>

#include <algorithm>

void GuiConfigurationProgress::OnGuiThread(std::function<void()> call) {
    if (QThread::currentThread() == owner.thread())
        call();
    else
        QMetaObject::invokeMethod(&owner, std::move(call), Qt::QueuedConnection);
}

void GuiConfigurationProgress::OpenBusyWindow(const std::string& text, int step) {
    OnGuiThread([this, text, step] {
        if (busyWindow)
            busyWindow->Close();
        // The window counts steps; the procedure gives the size of one.
        const int steps = step > 0 ? 100 / step : 1;
        busyWindow = BusyWindow::Open(&owner, QString::fromStdString(text), steps);
    });
}

void GuiConfigurationProgress::StepBusyWindow() {
    OnGuiThread([this] {
        if (busyWindow)
            busyWindow->Step();
    });
}

void GuiConfigurationProgress::CloseBusyWindow() {
    OnGuiThread([this] {
        if (busyWindow)
            busyWindow->Close();
        busyWindow = nullptr;
    });
}

void GuiConfigurationProgress::SetStatus(bool shown, const std::string& text) {
    OnGuiThread([this, shown, text] { status.ShowStatus(shown, text); });
}

void GuiConfigurationProgress::SetProgressStep(int step) {
    OnGuiThread([this, step] { progressStep = step; });
}

void GuiConfigurationProgress::StepProgress() {
    OnGuiThread([this] { bar.setValue(std::min(bar.maximum(), bar.value() + progressStep)); });
}

void GuiConfigurationProgress::SetProgressPosition(int position) {
    OnGuiThread([this, position] { bar.setValue(std::clamp(position, bar.minimum(), bar.maximum())); });
}

void GuiConfigurationProgress::SetFlying(bool on) {
    OnGuiThread([this, on] {
        if (on)
            bar.StartAnimation(kFlyingPeriodMs);
        else
            bar.StopAnimation();
    });
}
