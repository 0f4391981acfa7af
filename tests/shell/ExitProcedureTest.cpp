#include "WizardOnPeer.h"

#include "device/DeviceLink.h"

#include <QPushButton>
#include <QThread>

#include <future>
#include <memory>

namespace {

class ExitProcedureTest : public WizardOnPeer {
protected:
    void ClickExitAndAgree() {
        prompter.Script(PromptAnswer::Yes);
        QPushButton* exitButton = wizard.ExitButton();
        ASSERT_TRUE(exitButton->isVisible());
        ASSERT_TRUE(exitButton->isEnabled());
        QTest::mouseClick(exitButton, Qt::LeftButton);
    }
};

TEST_F(ExitProcedureTest, YesDuringATransferEndsItAtOnceAndCloses) {
    MoveLinkTo(1200); // four silent replies would keep the line busy for seconds
    peer.SetResponder([](const Frame&, int) { return std::string(); });
    std::atomic<int> result{kLinkOk};
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { result = wizard.Operations().ReadParameter(&P("op", 1)); }));
    wizard.Workers().Register(worker.get());
    worker->start();
    ASSERT_TRUE(WaitUntil([&] { return peer.Requests().size() == 1; }));

    ClickExitAndAgree();
    ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    EXPECT_TRUE(worker->isFinished());
    EXPECT_NE(result.load(), kLinkOk);
    EXPECT_EQ(peer.Requests().size(), 1u) << "no retry after the exit";
    EXPECT_FALSE(wizard.Link().Port().exit_event().is_set()) << "reset once the workers are gone";
}

TEST_F(ExitProcedureTest, AWorkerWaitingForTheGuiDoesNotBlockTheExit) {
    Answer([](int) { return false; });
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> result{-100};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        released.wait();
        result = wizard.ReadParameterRequest(P("op", 1), 2);
    }));
    wizard.Workers().Register(worker.get());
    worker->start();
    ClickExitAndAgree();
    release.set_value();
    ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    EXPECT_TRUE(worker->isFinished());
    EXPECT_NE(result.load(), -100);
}

TEST_F(ExitProcedureTest, AWorkerThatDoesNotEndIsLeftRunningAndTheWizardCloses) {
    wizard.Exit().SetWorkerWait(100);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::unique_ptr<QThread> stuck(QThread::create([released] { released.wait(); }));
    std::unique_ptr<QThread> quick(QThread::create([] {}));
    wizard.Workers().Register(stuck.get());
    wizard.Workers().Register(quick.get());
    stuck->start();
    quick->start();
    ClickExitAndAgree();
    ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    EXPECT_TRUE(stuck->isRunning()) << "never killed";
    release.set_value();
    EXPECT_TRUE(stuck->wait(5000));
    EXPECT_TRUE(quick->wait(5000));
}

TEST_F(ExitProcedureTest, NoLeavesTheExitEventAlone) {
    prompter.Script(PromptAnswer::No);
    wizard.OnExit();
    EXPECT_FALSE(wizard.Exit().IsRunning());
    EXPECT_FALSE(wizard.Link().Port().exit_event().is_set());
    EXPECT_TRUE(wizard.isVisible());
}

} // namespace
