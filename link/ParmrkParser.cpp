#include "link/ParmrkParser.h"

ParmrkParser::Event ParmrkParser::push(std::uint8_t byte, std::uint8_t& data) {
    switch (state_) {
    case State::Plain:
        if (byte == 0xFF) {
            state_ = State::Escape;
            return Event::None;
        }
        data = byte;
        return Event::Data;
    case State::Escape:
        if (byte == 0xFF) {
            state_ = State::Plain;
            data = byte;
            return Event::Data;
        }
        // Anything but a mark after 0xFF means the input is garbled.
        state_ = byte == 0 ? State::Marked : State::Plain;
        return byte == 0 ? Event::None : Event::LineError;
    case State::Marked:
        state_ = State::Plain;
        return byte == 0 ? Event::Break : Event::LineError;
    }
    return Event::None;
}
