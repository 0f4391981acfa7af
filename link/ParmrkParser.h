#pragma once
// Reads the input of a port set up with INPCK | PARMRK: "\377\0c" marks a
// parity or framing error on c, "\377\0\0" a break, "\377\377" a data byte
// 0xFF. A mark may be split across reads, so the state is kept between calls.

#include <cstdint>

class ParmrkParser {
public:
    enum class Event { None, Data, LineError, Break };

    // Takes one byte from the port; for Event::Data, data receives the byte.
    Event push(std::uint8_t byte, std::uint8_t& data);
    void reset() { state_ = State::Plain; }

private:
    enum class State { Plain, Escape, Marked };
    State state_ = State::Plain;
};
