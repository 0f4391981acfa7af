#pragma once
// Watches a pass over many parameters (a dump, a screen, a restore): once
// several requests in a row got no reply at all, or the port is gone or the
// exit cuts in, the line is dead and the rest of the pass is not tried,
// instead of waiting out every remaining parameter.

#include "link/ExchangeResult.h"

class LineSilence {
public:
    // Requests in a row without any reply that make the line dead.
    static constexpr int kDeadAfter = 2;

    // Counts how one request of the pass ended.
    void Count(const ExchangeResult& result) {
        const ExchangeOutcome o = result.outcome();
        silent = o == ExchangeOutcome::NoReply ? silent + 1 : 0;
        ended = ended || o == ExchangeOutcome::PortGone || o == ExchangeOutcome::Aborted;
    }
    bool Dead() const { return ended || silent >= kDeadAfter; }

private:
    int silent = 0;
    bool ended = false;
};
