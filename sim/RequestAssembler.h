#pragma once
// Cuts the bytes of a line into frame texts: each '#' starts a frame afresh
// (so the reader resynchronises after any noise), CR ends it, and a text
// longer than any frame is thrown away.

#include <functional>
#include <string>
#include <string_view>

class RequestAssembler {
public:
    using FrameSink = std::function<void(std::string_view frame)>;

    void Feed(const char* bytes, std::size_t count, const FrameSink& sink);

private:
    std::string text_;
    bool inFrame_ = false;
};
