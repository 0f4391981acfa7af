#include "util/ScriptedPrompter.h"

namespace {

PromptAnswer DefaultAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Ok;
    }
}

} // namespace

void ScriptedPrompter::Script(PromptAnswer answer) {
    std::lock_guard lock(mutex);
    answers.push_back(answer);
}

PromptAnswer ScriptedPrompter::ask(const Prompt& prompt) {
    std::lock_guard lock(mutex);
    shown.push_back(prompt);
    if (answers.empty()) {
        unexpected.push_back(prompt);
        return DefaultAnswer(prompt.buttons);
    }
    const PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<Prompt> ScriptedPrompter::Shown() const {
    std::lock_guard lock(mutex);
    return shown;
}

std::vector<Prompt> ScriptedPrompter::Unexpected() const {
    std::lock_guard lock(mutex);
    return unexpected;
}

std::string ScriptedPrompter::UnexpectedTexts() const {
    std::lock_guard lock(mutex);
    std::string texts;
    for (const Prompt& p : unexpected)
        texts += p.text + '\n';
    return texts;
}

std::size_t ScriptedPrompter::PendingAnswers() const {
    std::lock_guard lock(mutex);
    return answers.size();
}

void ScriptedPrompter::Clear() {
    std::lock_guard lock(mutex);
    answers.clear();
    shown.clear();
    unexpected.clear();
}
