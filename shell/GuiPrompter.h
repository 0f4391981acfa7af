#pragma once
// Message boxes on screen. Boxes asked for from a worker thread are shown by
// the GUI thread, and the worker waits for the answer.

#include "link/Prompter.h"

#include <QObject>

class GuiPrompter : public QObject, public Prompter {
    Q_OBJECT
public:
    // Create it on the GUI thread: that is where its boxes appear.
    explicit GuiPrompter(QObject* parent = nullptr);

    PromptAnswer ask(const Prompt& prompt) override;

    // The answer a box gets when it cannot be shown (the program is closing):
    // the cautious one of its buttons.
    static PromptAnswer CautiousAnswer(PromptButtons buttons);

private:
    PromptAnswer ShowBox(const Prompt& prompt);
};
