// The configuration's progress called from the device worker's side shows
// on the GUI thread, in the order of the calls.

#include "shell/BusyWindow.h"
#include "shell/GuiConfigurationProgress.h"
#include "shell/StatusProgressBar.h"

#include "GuiWait.h"
#include "device/TransferStatus.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <thread>

namespace {

struct StatusLine : TransferStatus {
    void ShowStatus(bool show, const std::string& text) override {
        shown = show;
        this->text = text;
    }
    void AdvanceProgress(int) override {}
    bool shown = false;
    std::string text;
};

BusyWindow* OpenWindow(const QWidget& owner) { return owner.findChild<BusyWindow*>(); }

TEST(GuiConfigurationProgress, WorkerCallsShowOnTheGuiThreadInOrder) {
    QWidget owner;
    owner.show();
    StatusProgressBar bar(&owner);
    bar.Prepare(15, 0, false);
    StatusLine status;
    GuiConfigurationProgress progress(owner, bar, status);

    std::thread([&] {
        progress.OpenBusyWindow("Конфигурирование каналов...", 50);
        progress.StepBusyWindow();
        progress.SetStatus(true, "Отключение ВЭ...");
        progress.SetProgressPosition(50);
        progress.SetFlying(true);
    }).join();
    ASSERT_TRUE(WaitUntil([&] { return OpenWindow(owner) && bar.IsRunning(); }));
    EXPECT_EQ(OpenWindow(owner)->Progress(), 50);
    EXPECT_EQ(OpenWindow(owner)->findChild<QLabel*>("1063")->text(), "Конфигурирование каналов...");
    EXPECT_TRUE(status.shown);
    EXPECT_EQ(status.text, "Отключение ВЭ...");

    std::thread([&] {
        progress.SetFlying(false);
        progress.SetProgressStep(33);
        progress.SetProgressPosition(0);
        progress.StepProgress();
        progress.StepProgress();
        progress.CloseBusyWindow();
        progress.SetStatus(false, "");
    }).join();
    ASSERT_TRUE(WaitUntil([&] { return !status.shown; }));
    EXPECT_FALSE(bar.IsRunning());
    EXPECT_EQ(bar.value(), 66);
    EXPECT_TRUE(WaitUntil([&] { return !OpenWindow(owner); })); // deleted once closed
}

} // namespace
