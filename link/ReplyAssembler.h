#pragma once
// Collects a reply from the raw port input until its closing CR.

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/ParmrkParser.h"

class ReplyAssembler {
public:
    // The longest reply: '#', address, 15 data bytes, hash and checksum as
    // hex digits, and CR.
    static constexpr std::size_t kCapacity = 44;

    enum class State {
        Collecting, // no CR yet
        Complete,   // text() ends with CR
        LineError,  // parity, framing error or break on the line
        Overflow,   // kCapacity characters without a CR: not a reply of ours
    };

    // A 2-wire adapter that hears its own transmitter hands the request back
    // before the reply. A frame equal to request is dropped when certain
    // (a read request, whose reply never looks the same; or a line known to
    // echo); a write's echo looks like its reply and is kept otherwise.
    void skip_echo_of(const std::string& request, bool certain);
    bool echo_dropped() const { return echo_dropped_; }

    // Feeds bytes as read from the port; bytes after the end are left, and
    // used (when given) says how many were taken.
    State feed(const std::uint8_t* bytes, std::size_t count, std::size_t* used = nullptr);
    State state() const { return state_; }
    const std::string& text() const { return text_; }
    void reset();

private:
    void take(std::uint8_t ch);

    ParmrkParser parser_;
    std::string text_;
    State state_ = State::Collecting;
    std::string echo_;
    bool echo_certain_ = false;
    bool echo_dropped_ = false;
};
