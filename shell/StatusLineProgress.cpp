#include "shell/StatusLineProgress.h"

#include "device/TransferStatus.h"

void StatusLineProgress::OpenBusyWindow(const std::string& text, int percent) {
    SetStatus(true, text);
    SetProgressStep(percent);
}

void StatusLineProgress::SetStatus(bool shown, const std::string& text) {
    if (shown)
        position = 0; // showing the text restarts the bar
    status.ShowStatus(shown, text);
}

void StatusLineProgress::StepProgress() {
    position += step;
    status.AdvanceProgress(step);
}

void StatusLineProgress::SetProgressPosition(int target) {
    status.AdvanceProgress(target - position.exchange(target));
}
