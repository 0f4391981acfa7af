#include "cli/TerminalLine.h"

#include <cstdio>
#include <unistd.h>

TerminalLine::TerminalLine(bool keepOffTerminal)
    : terminal(::isatty(STDERR_FILENO) == 1), keep(keepOffTerminal) {}

void TerminalLine::End() {
    if (terminal && shown)
        std::fputs("\n", stderr);
    shown = false;
}

void TerminalLine::Show(const std::string& text) {
    if (terminal)
        std::fprintf(stderr, "\r\033[K%s", text.c_str());
    else if (keep)
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        return;
    std::fflush(stderr);
    shown = true;
}
