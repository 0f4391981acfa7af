#include "device/RetriedRequest.h"

#include "device/DeviceLink.h"
#include "util/Prompter.h"
#include "device/DeviceOperations.h"
#include "util/TextCase.h"
#include "device/TransferStatus.h"

#include <cstdio>

namespace {

// The inspector's blocking settings of the first three indexes are kept equal.
constexpr int kSiblingIndexes = 3;

int AttemptCount(int attempts) {
    const int n = attempts & 0xFFFF;
    return n == 0 ? 1 : n;
}

std::string StatusText(bool write, const Parameter& p) {
    char text[256];
    std::snprintf(text, sizeof text, "%s \"%s\"...", write ? "Запись" : "Чтение", p.name.c_str());
    return text;
}

std::string FailureText(bool write, int result) {
    char text[256];
    std::snprintf(text, sizeof text, "Не удалось %s параметр (код %d)",
                  write ? "записать" : "прочитать", result);
    return text;
}

bool HasSiblings(const Parameter& p) {
    return EqualsNoCase(p.name, "bl.st") || EqualsNoCase(p.name, "bl.t");
}

} // namespace

int RetriedRequest::Write(Parameter& parameter, int attempts) {
    return Run(true, parameter, attempts);
}

int RetriedRequest::Read(Parameter& parameter, int attempts) {
    return Run(false, parameter, attempts);
}

int RetriedRequest::Run(bool write, Parameter& p, int attempts) {
    const int n = AttemptCount(attempts);
    int result = 1;
    bool final = false;
    Parameter* failedSibling = nullptr;
    status.ShowStatus(true, StatusText(write, p));
    for (int pass = 0; pass < n; ++pass) {
        status.AdvanceProgress(100 / n);
        if (result == 0 || final)
            continue;
        result = write ? operations.WriteChannelParameter(&p) : operations.ReadParameter(&p);
        // Only a reply that never came may still come: a refusal stays a refusal.
        final = !p.exchange.lost();
        if (write && HasSiblings(p))
            failedSibling = WriteSiblings(p);
    }
    status.ShowStatus(false, "");
    // The operator is quitting: an aborted transfer needs no box.
    if (link.Port().exit_event().is_set())
        return 1;
    if (result == 0 && failedSibling)
        return Report(true, *failedSibling, 1);
    return Report(write, p, result);
}

// The first index that was not written, or null.
Parameter* RetriedRequest::WriteSiblings(const Parameter& p) {
    Parameter* failed = nullptr;
    for (int i = 0; i < kSiblingIndexes; ++i) {
        if (i == p.index)
            continue;
        Parameter* sibling = link.FindParameter(p.name, i);
        if (!sibling || sibling == &p)
            continue;
        sibling->value = p.value;
        if (operations.WriteChannelParameter(sibling) != 0 && !failed)
            failed = sibling;
    }
    return failed;
}

// A failure that left no text (a negative index, a refused channel
// configuration) must not reach the page as a success.
int RetriedRequest::Report(bool write, const Parameter& p, int result) {
    std::string text = p.message;
    if (text.empty() && result != 0)
        text = FailureText(write, result);
    if (text.empty())
        return 0;
    ShowMessage(text, p.name, PromptIcon::Warning, PromptButtons::Ok);
    return 1;
}
