#include "shell/StatusLinePass.h"

#include "device/TransferStatus.h"

std::function<void(int done, int total)> StatusLinePass(TransferStatus& status,
                                                        const std::string& text) {
    return [&status, text](int done, int total) {
        if (done == 1)
            status.ShowStatus(true, text);
        // The bar moves in whole percent: each step what the count adds to it.
        const int step = done * 100 / total - (done - 1) * 100 / total;
        if (step > 0)
            status.AdvanceProgress(step);
    };
}
