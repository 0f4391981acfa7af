#pragma once
// One received frame text -> the controller's reply frame: the frame check,
// the address filter, the request's index and value, and error replies that
// carry the "n.Err" hash.

#include "link/FrameCodec.h"
#include "sim/ControllerModel.h"

#include <chrono>
#include <optional>
#include <string_view>

class RequestHandler {
public:
    using Clock = std::chrono::steady_clock;

    struct Reply {
        Frame frame;
        int addressLength = 8; // of the settings the request came in with
        std::string Text() const { return encode_frame(frame, addressLength); }
    };

    RequestHandler(SimParameterBase& base, ControllerModel& model) : base_(base), model_(model) {}

    // Empty: the controller stays silent (busy, broken frame, another address).
    std::optional<Reply> Handle(std::string_view text, Clock::time_point now);

private:
    Answer Dispatch(const Frame& request, Clock::time_point now);
    Answer ReadRequest(const Frame& request, Clock::time_point now);
    Answer WriteRequest(const Frame& request, Clock::time_point now);

    SimParameterBase& base_;
    ControllerModel& model_;
};
