#pragma once
// What one transfer received: the characters up to CR, and the frame they
// hold when they came whole, decoded once for everyone who looks at them.

#include "link/FrameCodec.h"

#include <optional>
#include <string>

struct PortReply {
    std::string text;           // CR included; empty when nothing usable came
    std::optional<Frame> frame; // empty: nothing came, or it is garbled

    void clear() {
        text.clear();
        frame.reset();
    }
};
