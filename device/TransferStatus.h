#pragma once
// Where a long device operation shows what it is doing: the status text and
// the progress bar under the wizard's buttons.

#include <string>

class TransferStatus {
public:
    virtual ~TransferStatus() = default;
    // show true: the text, with the bar restarted at 0; false: hide soon.
    virtual void ShowStatus(bool show, const std::string& text) = 0;
    virtual void AdvanceProgress(int percent) = 0;
};
