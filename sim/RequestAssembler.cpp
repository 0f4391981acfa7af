#include "sim/RequestAssembler.h"

#include "link/FrameCodec.h"

void RequestAssembler::Feed(const char* bytes, std::size_t count, const FrameSink& sink) {
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c == '#') {
            text_.assign(1, c);
            inFrame_ = true;
        } else if (!inFrame_) {
            continue;
        } else if (c == '\r') {
            text_ += c;
            inFrame_ = false;
            sink(text_);
        } else if (text_.size() + 1 >= static_cast<std::size_t>(frame_length(kMaxFrameData))) {
            inFrame_ = false; // no frame is that long
        } else {
            text_ += c;
        }
    }
}
