#include "device/RetriedRequest.h"

#include "device/DeviceLink.h"
#include "util/Prompter.h"
#include "device/DeviceOperations.h"
#include "device/LostReplies.h"
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
    status.ShowStatus(true, StatusText(write, p));
    for (int pass = 0; pass < n; ++pass) {
        status.AdvanceProgress(100 / n);
        if (result == 0)
            continue;
        result = Attempt(write, p);
        if (write && HasSiblings(p))
            WriteSiblings(p);
    }
    status.ShowStatus(false, "");
    // The operator is quitting: an aborted transfer needs no box.
    if (link.Port().exit_event().is_set())
        return 1;
    return Report(write, p, result);
}

// A lost reply is no answer: the same request goes again within the attempt.
// "n.Ch" reshapes the channels, which repeat their own requests.
int RetriedRequest::Attempt(bool write, Parameter& p) {
    if (!write)
        return ReadUntilAnswered(operations, p);
    if (EqualsNoCase(p.name, "n.Ch"))
        return operations.WriteChannelParameter(&p);
    return UntilAnswered(p, [this, &p] { return operations.WriteChannelParameter(&p); });
}

void RetriedRequest::WriteSiblings(const Parameter& p) {
    for (int i = 0; i < kSiblingIndexes; ++i) {
        if (i == p.index)
            continue;
        Parameter* sibling = link.FindParameter(p.name, i);
        if (!sibling || sibling == &p)
            continue;
        sibling->value = p.value;
        operations.WriteChannelParameter(sibling);
    }
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
