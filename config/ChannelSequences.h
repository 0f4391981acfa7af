#pragma once
// The standard set-up and release of a channel's blocks in each modification,
// as data: which parameter and index, which value, in which order. c is the
// channel (in modification 5 the first channel x of a pair); every index and
// value is linear in c.

#include <vector>

struct LinearInChannel {
    int times = 0;
    int plus = 0;
    int per = 1; // divides c * times, for the pair's graph input x / 2
    int At(int c) const { return c * times / per + plus; }
};

struct BlockWrite {
    const char* name;
    LinearInChannel index;
    bool choice;           // value is a choice number, else a decimal number
    LinearInChannel value;
    bool fallback = false; // a refused link moves to a free output element
};

struct ChannelSequence {
    std::vector<BlockWrite> release;
    std::vector<BlockWrite> setUp;
    bool pairs = false; // modification 5: channels in pairs, blocks on x
};

// The sequence of modification 1..6; null for any other number.
const ChannelSequence* ChannelSequenceOf(int modification);

// The names the sequences write, for collecting their parameters.
const std::vector<const char*>& ChannelBlockNames();
