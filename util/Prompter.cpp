#include "util/Prompter.h"

#include <atomic>
#include <cstdio>

namespace {

class StderrPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        const std::string& caption = prompt.caption.empty() ? std::string(kApplicationTitle)
                                                            : prompt.caption;
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), prompt.text.c_str());
        switch (prompt.buttons) {
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Yes;
        default:
            return PromptAnswer::Ok;
        }
    }
};

StderrPrompter stderrPrompter;
std::atomic<Prompter*> active{nullptr};

} // namespace

Prompter& ActivePrompter() {
    Prompter* p = active.load();
    return p ? *p : stderrPrompter;
}

Prompter* InstallPrompter(Prompter* p) { return active.exchange(p); }

void ShowPrompts(const std::vector<Prompt>& prompts) {
    for (const Prompt& prompt : prompts)
        ActivePrompter().ask(prompt);
}

PromptAnswer ShowMessage(const std::string& text, const std::string& caption, PromptIcon icon,
                         PromptButtons buttons) {
    return ActivePrompter().ask(Prompt{text, caption, icon, buttons, false});
}
