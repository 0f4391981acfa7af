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

    // Feeds bytes as read from the port; bytes after the end are ignored.
    State feed(const std::uint8_t* bytes, std::size_t count);
    State state() const { return state_; }
    const std::string& text() const { return text_; }
    void reset();

private:
    void take(std::uint8_t ch);

    ParmrkParser parser_;
    std::string text_;
    State state_ = State::Collecting;
};
