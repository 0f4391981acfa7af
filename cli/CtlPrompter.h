#pragma once
// The boxes of the core on a command line: a message is printed on stderr; a
// question is answered Yes without being printed, since the command's own
// options (restore --modification) already gave the answer and nobody is
// there to ask.

#include "util/Prompter.h"

class CtlPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override;
};
