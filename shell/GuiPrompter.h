#pragma once
// Message boxes on screen. Boxes asked for from a worker thread are shown by
// the GUI thread, and the worker waits for the answer.

#include "util/Prompter.h"

#include <QObject>
#include <atomic>
#include <memory>

class GuiPrompter : public QObject, public Prompter {
    Q_OBJECT
public:
    // Create it on the GUI thread: that is where its boxes appear.
    explicit GuiPrompter(QObject* parent = nullptr);
    ~GuiPrompter() override;

    PromptAnswer ask(const Prompt& prompt) override;

    // The answer a box gets when it cannot be shown (the program is closing):
    // the cautious one of its buttons.
    static PromptAnswer CautiousAnswer(PromptButtons buttons);

private:
    PromptAnswer ShowBox(const Prompt& prompt);
    PromptAnswer AskFromWorker(const Prompt& prompt);

    // Cleared when the prompter goes away, so that a worker still waiting
    // for an answer gives up instead of waiting for ever.
    std::shared_ptr<std::atomic<bool>> open = std::make_shared<std::atomic<bool>>(true);
};
