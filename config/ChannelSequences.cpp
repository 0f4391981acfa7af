#include "config/ChannelSequences.h"

#include "config/ModificationTraits.h"

namespace {

constexpr bool kChoice = true;
constexpr bool kNumber = false;
constexpr bool kFallback = true;

// Values and indexes that do not follow the channel.
constexpr LinearInChannel Fixed(int n) { return {0, n}; }
constexpr LinearInChannel kSame{1, 0};      // c
constexpr LinearInChannel kHalf{1, 0, 2};   // c / 2

const ChannelSequence kModification1{
    {
        {"op", {2, 0}, kChoice, Fixed(0)},
        {"se.p", {2, 0}, kChoice, Fixed(0)},
        {"npc", {16, 0}, kNumber, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
        {"regl", kSame, kChoice, Fixed(0)},
    },
    {
        {"regl", kSame, kChoice, Fixed(1)},
        {"cal.t", {8, 0}, kChoice, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(1)},
        {"npc", {16, 0}, kNumber, Fixed(1)},
        {"se.p", {2, 0}, kChoice, Fixed(1)},
        {"op", {2, 0}, kChoice, {1, 1}}, // k
    },
};

const ChannelSequence kModification2{
    {
        {"rel.a", kSame, kChoice, Fixed(0)},
        {"insp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
    },
    {
        {"cal.t", {8, 0}, kChoice, Fixed(0)},
        {"insp", kSame, kChoice, Fixed(1)},
        {"rel.a", kSame, kChoice, {1, 1}}, // k
    },
};

const ChannelSequence kModification3{
    {
        {"op", {2, 0}, kChoice, Fixed(0)},
        {"op", {2, 1}, kChoice, Fixed(0)},
        {"se.p", {2, 0}, kChoice, Fixed(0)},
        {"npc", {16, 0}, kNumber, Fixed(0)},
        {"npc", {16, 8}, kNumber, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
        {"regl", kSame, kChoice, Fixed(0)},
    },
    {
        {"regl", kSame, kChoice, Fixed(1)},
        {"cal.t", {8, 0}, kChoice, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(1)},
        {"npc", {16, 0}, kNumber, Fixed(1)},
        {"se.p", {2, 0}, kChoice, Fixed(2)},
        // Elements 2c + 1 and 2c + 2, as the gate-valve defaults: the counting
        // k + 1, k + 2 would give neighbouring channels a shared element.
        {"op", {2, 0}, kChoice, {2, 1}},
        {"op", {2, 1}, kChoice, {2, 2}},
    },
};

const ChannelSequence kModification4{
    {
        {"op", {2, 0}, kChoice, Fixed(0), kFallback},
        {"op", {2, 1}, kChoice, Fixed(0), kFallback},
        {"se.p", {2, 0}, kChoice, Fixed(0)},
        {"npc", {16, 0}, kNumber, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
        {"regl", kSame, kChoice, Fixed(0)},
        {"rel.a", kSame, kChoice, Fixed(0), kFallback},
        {"insp", kSame, kChoice, Fixed(0)},
    },
    {
        {"regl", kSame, kChoice, Fixed(1)},
        {"cal.t", {8, 0}, kChoice, Fixed(1)},
        {"od.tp", kSame, kChoice, Fixed(1)},
        {"npc", {16, 0}, kNumber, Fixed(1)},
        {"se.p", {2, 0}, kChoice, Fixed(1)},
        {"op", {2, 0}, kChoice, {2, 1}, kFallback},
        {"insp", kSame, kChoice, Fixed(1)},
        {"rel.a", kSame, kChoice, {2, 2}, kFallback},
    },
};

// x is the pair's first channel; the count m that sets it up is x + 2.
const ChannelSequence kModification5{
    {
        {"lba", kSame, kChoice, Fixed(0)},
        {"rel.a", kSame, kChoice, Fixed(0), kFallback},
        {"op", kSame, kChoice, Fixed(0), kFallback},
        {"se.p", kSame, kChoice, Fixed(0)},
        {"npc", {8, 0}, kNumber, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
        {"cal.t", {8, 8}, kChoice, Fixed(9)},
        {"insp", kSame, kChoice, Fixed(0)},
        {"regl", kSame, kChoice, Fixed(0)},
        {"in.gr", kHalf, kChoice, Fixed(0)},
    },
    {
        {"in.gr", kHalf, kChoice, {1, 2}}, // m
        {"regl", kSame, kChoice, Fixed(1)},
        {"insp", kSame, kChoice, Fixed(1)},
        {"n.in.c", {8, 0}, kNumber, Fixed(1)},
        {"n.in.c", {8, 8}, kNumber, Fixed(1)},
        {"cal.t", {8, 0}, kChoice, Fixed(0)},
        {"cal.t", {8, 8}, kChoice, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(1)},
        {"npc", {8, 0}, kNumber, Fixed(1)},
        {"se.p", kSame, kChoice, Fixed(1)},
        {"op", kSame, kChoice, {1, 1}, kFallback},    // x + 1
        {"rel.a", kSame, kChoice, {1, 2}, kFallback}, // m
        {"lba", kSame, kChoice, Fixed(1)},
    },
    true,
};

const ChannelSequence kModification6{
    {
        {"lba", kSame, kChoice, Fixed(0)},
        {"rel.a", kSame, kChoice, Fixed(0), kFallback},
        {"op", {2, 0}, kChoice, Fixed(0), kFallback},
        {"op", {2, 1}, kChoice, Fixed(0), kFallback},
        {"se.p", {2, 0}, kChoice, Fixed(0)},
        {"npc", {16, 0}, kNumber, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(0)},
        {"cal.t", {8, 0}, kChoice, Fixed(9)},
        {"insp", kSame, kChoice, Fixed(0)},
        {"regl", kSame, kChoice, Fixed(0)},
    },
    {
        {"regl", kSame, kChoice, Fixed(1)},
        {"insp", kSame, kChoice, Fixed(1)},
        {"n.in.c", {8, 0}, kNumber, Fixed(1)},
        {"cal.t", {8, 0}, kChoice, Fixed(0)},
        {"od.tp", kSame, kChoice, Fixed(1)},
        {"npc", {16, 0}, kNumber, Fixed(1)},
        {"se.p", {2, 0}, kChoice, Fixed(2)},
        {"op", {2, 0}, kChoice, {4, 1}, kFallback},  // 4k - 3
        {"op", {2, 1}, kChoice, {4, 2}, kFallback},  // 4k - 2
        {"rel.a", kSame, kChoice, {1, 3}, kFallback}, // c + 3
        {"lba", kSame, kChoice, Fixed(1)},
    },
};

} // namespace

const ChannelSequence* ChannelSequenceOf(int modification) {
    static const ChannelSequence* const kSequences[] = {
        &kModification1, &kModification2, &kModification3,
        &kModification4, &kModification5, &kModification6,
    };
    return IsKnownModification(modification) ? kSequences[modification - 1] : nullptr;
}

const std::vector<const char*>& ChannelBlockNames() {
    static const std::vector<const char*> kNames{
        "cal.t", "op", "se.p", "npc", "od.tp", "regl", "rel.a", "insp", "lba", "n.in.c", "in.gr",
    };
    return kNames;
}
