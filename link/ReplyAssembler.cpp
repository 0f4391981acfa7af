#include "link/ReplyAssembler.h"

ReplyAssembler::State ReplyAssembler::feed(const std::uint8_t* bytes, std::size_t count,
                                           std::size_t* used) {
    std::size_t i = 0;
    for (; i < count && state_ == State::Collecting; ++i) {
        std::uint8_t data = 0;
        switch (parser_.push(bytes[i], data)) {
        case ParmrkParser::Event::Data:
            take(data);
            break;
        case ParmrkParser::Event::LineError:
        case ParmrkParser::Event::Break:
            state_ = State::LineError;
            break;
        case ParmrkParser::Event::None:
            break;
        }
    }
    if (used)
        *used = i;
    return state_;
}

void ReplyAssembler::skip_echo_of(const std::string& request, bool certain) {
    echo_ = request;
    echo_certain_ = certain;
}

void ReplyAssembler::take(std::uint8_t ch) {
    text_.push_back(static_cast<char>(ch));
    if (ch == '\r' && echo_certain_ && !echo_dropped_ && text_ == echo_) {
        echo_dropped_ = true;
        text_.clear();
    } else if (ch == '\r')
        state_ = State::Complete;
    else if (text_.size() >= kCapacity)
        state_ = State::Overflow;
}

void ReplyAssembler::reset() {
    parser_.reset();
    text_.clear();
    state_ = State::Collecting;
    echo_dropped_ = false;
}
