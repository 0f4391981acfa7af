#pragma once
// A Prompter for tests: answers boxes from a script and records every box,
// so that a test can check the texts and fail on a box it did not expect.

#include "util/Prompter.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

class ScriptedPrompter : public Prompter {
public:
    // Queues the answer to the next box not yet answered.
    void Script(PromptAnswer answer);

    // Takes the next scripted answer; with none left the box is recorded as
    // unexpected and gets its default answer (Ok, or No for questions).
    PromptAnswer ask(const Prompt& prompt) override;

    std::vector<Prompt> Shown() const;
    std::vector<Prompt> Unexpected() const;
    // The texts of the unexpected boxes, one a line, for a test's failure text.
    std::string UnexpectedTexts() const;
    std::size_t PendingAnswers() const;
    void Clear();

private:
    mutable std::mutex mutex; //!< Protects answers, shown and unexpected.
    std::deque<PromptAnswer> answers;
    std::vector<Prompt> shown;
    std::vector<Prompt> unexpected;
};
