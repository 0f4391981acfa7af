#pragma once
// Every message box, question and warning of the program goes through a
// Prompter, so the core never touches a GUI toolkit and no test can block on a
// modal box. The GUI installs a QMessageBox-based one; tests install a
// scripted one.

#include <string>
#include <vector>

enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt {
    std::string text;     // UTF-8
    std::string caption;  // empty: the application title
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    bool topmost = false;
};

// The caption of boxes that name none of their own.
inline constexpr const char* kApplicationTitle = "Brisko 640";

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

// The prompter the program uses. Until one is installed, boxes are written to
// stderr and answered with their first button (Ok or Yes).
Prompter& ActivePrompter();

// Installs p (not owned; nullptr restores the stderr prompter) and returns the
// one it replaces.
Prompter* InstallPrompter(Prompter* p);

// Each box in turn, for texts a core function handed back.
void ShowPrompts(const std::vector<Prompt>& prompts);

// Shorthand for the common case.
PromptAnswer ShowMessage(const std::string& text, const std::string& caption = {},
                         PromptIcon icon = PromptIcon::Warning,
                         PromptButtons buttons = PromptButtons::Ok);
