#include "cli/CtlPrompter.h"

#include <cstdio>

PromptAnswer CtlPrompter::ask(const Prompt& prompt) {
    if (prompt.buttons == PromptButtons::YesNo || prompt.buttons == PromptButtons::YesNoCancel)
        return PromptAnswer::Yes;
    const std::string caption = prompt.caption.empty() ? kApplicationTitle : prompt.caption;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), prompt.text.c_str());
    return PromptAnswer::Ok;
}
