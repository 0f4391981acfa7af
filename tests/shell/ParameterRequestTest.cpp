#include "WizardOnPeer.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <QThread>

#include <future>
#include <thread>

namespace {

using ParameterRequestTest = WizardOnPeer;

struct AttemptRow {
    int attempts;
    int failedReplies; // the first n replies are error replies
    int expectedRequests;
    int expectedProgress;
    int expectedResult;
};

// A refusal is final: the passes left only advance the bar.
TEST_F(ParameterRequestTest, ReadsStopAtARefusalAndAdvanceEveryPass) {
    const AttemptRow rows[] = {
        {0, 99, 1, 100, 1}, {1, 0, 1, 100, 0},      {2, 0, 1, 100, 0},  {2, 1, 1, 100, 1},
        {2, 99, 1, 100, 1}, {3, 0, 1, 99, 0},       {0x10002, 1, 1, 100, 1},
    };
    for (const AttemptRow& row : rows) {
        SCOPED_TRACE(row.attempts);
        const int before = Requests("op", true);
        Answer([&](int nth) { return nth - before < row.failedReplies; });
        Parameter& p = P("op", 3);
        if (row.expectedResult == 1)
            prompter.Script(PromptAnswer::Ok);
        const std::size_t boxes = prompter.Shown().size();

        EXPECT_EQ(wizard.ReadParameterRequest(p, row.attempts), row.expectedResult);
        EXPECT_EQ(Requests("op", true) - before, row.expectedRequests);
        EXPECT_EQ(wizard.ProgressBar()->value(), row.expectedProgress);
        auto* status = wizard.findChild<QLabel*>("1044");
        EXPECT_EQ(status->text(), "Чтение \"op\"...");
        EXPECT_TRUE(status->isVisible()) << "hidden only after its delay";
        ASSERT_EQ(prompter.Shown().size(), boxes + row.expectedResult);
        if (row.expectedResult == 1) {
            const Prompt box = prompter.Shown().back();
            EXPECT_FALSE(box.text.empty());
            EXPECT_EQ(box.text, p.message);
            EXPECT_EQ(box.caption, "op");
            EXPECT_EQ(box.icon, PromptIcon::Warning);
        } else {
            EXPECT_EQ(p.value, "Выходной элемент №1");
        }
    }
}

TEST_F(ParameterRequestTest, AWriteShowsItsStatusAndFailsWithABox) {
    Answer([](int) { return true; });
    Parameter& p = P("op", 2);
    p.value = "Выходной элемент №2";
    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(wizard.WriteParameterRequest(p, 2), 1);
    EXPECT_EQ(Requests("op", false), 1); // refused: not asked again
    EXPECT_EQ(wizard.findChild<QLabel*>("1044")->text(), "Запись \"op\"...");
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, "op");
}

TEST_F(ParameterRequestTest, InspectorBlockingIsWrittenToTheOtherFirstIndexesToo) {
    struct Row {
        const char* name;
        int index;
        const char* value;
        std::vector<int> siblings;
    } rows[] = {
        {"bl.st", 1, "На время", {0, 2}},
        {"bl.t", 0, "01:10", {1, 2}},
        {"bl.st", 5, "Нет", {0, 1, 2}},
    };
    Answer([](int) { return false; });
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name + std::to_string(row.index));
        const int before = Requests(row.name, false);
        Parameter& p = P(row.name, row.index);
        p.value = row.value;
        EXPECT_EQ(wizard.WriteParameterRequest(p, 0), 0);
        EXPECT_EQ(Requests(row.name, false) - before, 1 + int(row.siblings.size()));
        for (int i : row.siblings)
            EXPECT_EQ(P(row.name, i).value, row.value) << i;
    }
}

TEST_F(ParameterRequestTest, AFailureWithoutATextIsStillReportedAsAFailure) {
    Parameter p("op");
    p.index = -1;
    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(wizard.ReadParameterRequest(p, 1), 1);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].text, "Не удалось прочитать параметр (код 6)");
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(ParameterRequestTest, AProcedureRunsOffTheGuiThreadWhileThePageAndNextWait) {
    Answer([](int) { return true; });
    prompter.Script(PromptAnswer::Ok);
    WizardPage* page = wizard.GetActivePage();
    std::thread::id ranOn;
    int answered = -1;
    wizard.RunOnDevice(
        &wizard,
        [&] {
            ranOn = std::this_thread::get_id();
            return wizard.ReadParameterRequest(P("op", 4), 1);
        },
        [&](int result) { answered = result; });
    EXPECT_FALSE(wizard.NextButton()->isEnabled());
    EXPECT_FALSE(page->isEnabled());
    EXPECT_TRUE(wizard.ExitButton()->isEnabled());
    wizard.OnNext(); // refused while the procedure runs
    EXPECT_EQ(wizard.GetActivePage(), page);
    ASSERT_TRUE(WaitUntil([&] { return answered != -1; }));
    EXPECT_NE(ranOn, std::this_thread::get_id());
    EXPECT_EQ(answered, 1) << "the device's refusal reaches what follows";
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(Requests("op", true), 1);
    EXPECT_TRUE(wizard.NextButton()->isEnabled()) << "Next comes back as the page left it";
    EXPECT_TRUE(page->isEnabled());
}

// The operator presses Exit while the controller is silent: the window keeps
// painting, the question comes at once, and Yes ends read and program.
TEST_F(ParameterRequestTest, ExitDuringASilentReadKeepsTheWindowLiveAndEndsWithinASecond) {
    peer.SetResponder([](const Frame&, int) { return std::string(); });
    MoveLinkTo(9600); // 3 attempts of 4 time-outs outlast the test by far
    bool answered = false;
    wizard.RunOnDevice(
        &wizard, [&] { return wizard.ReadParameterRequest(P("op", 5), 3); },
        [&](int) { answered = true; });
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(10);
    QTest::qWait(300);
    EXPECT_LT(longestGap, 60) << "the GUI thread waited on the line";
    prompter.Script(PromptAnswer::Yes);
    QElapsedTimer exitClock;
    exitClock.start();
    wizard.OnExit();
    EXPECT_LT(exitClock.elapsed(), 200) << "the question came late";
    ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    EXPECT_LT(exitClock.elapsed(), 1000);
    EXPECT_FALSE(answered) << "nothing follows a procedure the exit cut short";
    EXPECT_EQ(prompter.Shown().size(), 1u) << "only the exit question, no failure box";
}

TEST_F(ParameterRequestTest, SetStatusFromAWorkerIsPostedToTheGuiThread) {
    std::thread([&] { wizard.SetStatus(true, "Чтение параметров..."); }).join();
    auto* status = wizard.findChild<QLabel*>("1044");
    ASSERT_TRUE(WaitUntil([&] { return status->isVisible(); }));
    EXPECT_EQ(status->text(), "Чтение параметров...");
}

} // namespace

namespace {

// The status line as the operator sees it while a read is going on; saved
// for a look when ZRK_SCREENSHOT_DIR names a folder.
TEST_F(ParameterRequestTest, TheStatusLineShowsBesideTheButtonsDuringARead) {
    Answer([](int) { return false; });
    ASSERT_EQ(wizard.ReadParameterRequest(P("op", 6), 2), 0);
    auto* status = wizard.findChild<QLabel*>("1044");
    ASSERT_TRUE(status->isVisible());
    ASSERT_TRUE(wizard.ProgressBar()->isVisible());
    EXPECT_LT(status->geometry().right(), wizard.BackButton()->geometry().left());
    EXPECT_LT(wizard.ProgressBar()->geometry().right(), wizard.BackButton()->geometry().left());
    EXPECT_FALSE(status->geometry().intersects(wizard.ProgressBar()->geometry()));
    const QString folder = qEnvironmentVariable("ZRK_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(wizard.grab().save(folder + "/status-during-read.png"));
    }
}

} // namespace
