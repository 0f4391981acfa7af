#pragma once
// Which block drives each of the eight output elements, derived from the
// link parameters ("op", "rel.a" and the gate-valve mode "se.p").

#include "sim/SimParameterBase.h"

class OutputElements {
public:
    static constexpr int kCount = 8;
    static constexpr int kFree = 25; // "S.OE" choice: nothing drives the element

    explicit OutputElements(SimParameterBase& base) : base_(base) {}

    // "S.OE" choice for element 0..7: 1..8 regulator, 9..16 inspector,
    // 17..24 gate valve, kFree.
    int StateOf(int element);

    // 0, or error 71 when linking `link` to element `choice` would put a
    // second block on an element already driven. In modification 5 the two
    // channels of a pair share their elements: the same link of the other
    // channel of the pair may name the element too.
    int CheckLink(const Parameter& link, int choice, int modification);

    static bool IsLink(const Parameter& p);

private:
    // Element (1..8) a link parameter names; 0 for none.
    static int ElementOf(const Parameter& link);
    int BlockOf(const Parameter& link);
    static bool PairedInModification5(const Parameter& a, const Parameter& b);
    template <typename Visit>
    void ForEachLink(Visit visit);

    SimParameterBase& base_;
};
