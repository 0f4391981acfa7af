#pragma once
// Answers boxes from a script and records them; a box nobody scripted fails
// the test with its text.

#include "link/Prompter.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

class TestPrompter : public Prompter {
public:
    TestPrompter() { previous = InstallPrompter(this); }
    ~TestPrompter() override { InstallPrompter(previous); }

    void Script(PromptAnswer answer) { answers.push_back(answer); }

    PromptAnswer ask(const Prompt& prompt) override {
        shown.push_back(prompt);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected message box: " << prompt.text;
            return PromptAnswer::No;
        }
        PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Prompt> shown;

private:
    std::deque<PromptAnswer> answers;
    Prompter* previous = nullptr;
};
