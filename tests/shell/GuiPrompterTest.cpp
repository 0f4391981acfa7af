#include "GuiWait.h"
#include "shell/GuiPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Waits on the GUI thread for the box, notes what it shows and presses one of
// its buttons by label.
class BoxPresser {
public:
    explicit BoxPresser(QString label) : label(std::move(label)) {
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start(10);
    }

    QString title;
    QString text;
    QStringList buttons;
    bool onGuiThread = false;

private:
    void Poll() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer.stop();
        title = box->windowTitle();
        for (QLabel* l : box->findChildren<QLabel*>())
            if (!l->text().isEmpty() && l->pixmap().isNull())
                text = l->text();
        onGuiThread = QThread::currentThread() == qApp->thread();
        QAbstractButton* press = nullptr;
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>()) {
            buttons << b->text();
            if (b->text() == label)
                press = b;
        }
        if (press)
            press->click();
        else
            box->reject();
    }

    QString label;
    QTimer timer;
};

TEST(GuiPrompter, ShowsTheBoxWithTheApplicationCaptionAndRussianButtons) {
    GuiPrompter prompter;
    BoxPresser presser("Нет");
    const PromptAnswer answer = prompter.ask(
        Prompt{"Хотите выйти из программы?", "", PromptIcon::Information, PromptButtons::YesNo, false});
    EXPECT_EQ(answer, PromptAnswer::No);
    EXPECT_EQ(presser.title, "Brisko 640");
    EXPECT_EQ(presser.text, "Хотите выйти из программы?");
    EXPECT_TRUE(presser.buttons.contains("Да"));
    EXPECT_TRUE(presser.buttons.contains("Нет"));
}

TEST(GuiPrompter, AWorkerThreadsBoxIsShownByTheGuiThread) {
    GuiPrompter prompter;
    BoxPresser presser("Отмена");
    auto answer = std::async(std::launch::async, [&] {
        return prompter.ask(Prompt{"Связь не установлена", "Сообщение", PromptIcon::Warning,
                                   PromptButtons::OkCancel, true});
    });
    ASSERT_TRUE(WaitUntil([&] {
        return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }));
    EXPECT_EQ(answer.get(), PromptAnswer::Cancel);
    EXPECT_TRUE(presser.onGuiThread);
    EXPECT_EQ(presser.title, "Сообщение");
}

TEST(GuiPrompter, AWorkerIsNotLeftWaitingWhenThePrompterGoesAway) {
    auto* prompter = new GuiPrompter;
    std::atomic<bool> asking{false};
    auto answer = std::async(std::launch::async, [&] {
        asking = true;
        return prompter->ask(Prompt{"?", "", PromptIcon::Question, PromptButtons::YesNo, false});
    });
    while (!asking)
        std::this_thread::yield();
    // The GUI thread does not run its loop, so the request is still queued.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    delete prompter;
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(answer.get(), PromptAnswer::No);
}

TEST(GuiPrompter, CautiousAnswersAvoidTheAction) {
    EXPECT_EQ(GuiPrompter::CautiousAnswer(PromptButtons::Ok), PromptAnswer::Ok);
    EXPECT_EQ(GuiPrompter::CautiousAnswer(PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(GuiPrompter::CautiousAnswer(PromptButtons::OkCancel), PromptAnswer::Cancel);
    EXPECT_EQ(GuiPrompter::CautiousAnswer(PromptButtons::YesNoCancel), PromptAnswer::Cancel);
}

} // namespace
