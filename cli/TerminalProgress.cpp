#include "cli/TerminalProgress.h"

#include <algorithm>
#include <cstdio>

void TerminalProgress::OpenBusyWindow(const std::string& text, int step) {
    busyText = text;
    busyStep = step;
    busyPosition = 0;
}

void TerminalProgress::StepBusyWindow() {
    busyPosition = std::min(100, busyPosition + busyStep);
    std::fprintf(stderr, "%s %d%%\n", busyText.c_str(), busyPosition);
}

void TerminalProgress::SetStatus(bool shown, const std::string& text) {
    if (shown)
        std::fprintf(stderr, "%s\n", text.c_str());
}
