#include "sim/OutputElements.h"

#include "params/ChoiceList.h"
#include "link/NetworkErrors.h"

namespace {

constexpr int kOpLinks = 16;
constexpr int kFirstInspector = 9;
constexpr int kFirstGateValve = 17;
constexpr int kBothLinks = 2; // "se.p": the gate valve uses both links
constexpr int kPairedModification = 5;

} // namespace

bool OutputElements::IsLink(const Parameter& p) {
    return same_ignoring_latin_case(p.name, "op") || same_ignoring_latin_case(p.name, "rel.a");
}

int OutputElements::ElementOf(const Parameter& link) {
    const int choice = find_choice(link.format, link.value);
    return choice > 0 && choice <= kCount ? choice : 0;
}

int OutputElements::BlockOf(const Parameter& link) {
    if (same_ignoring_latin_case(link.name, "rel.a"))
        return kFirstInspector + link.index;
    const int channel = link.index / 2;
    const SimParameter* mode = base_.Find("se.p", 2 * channel);
    const bool gateValve =
        link.index % 2 == 1 ||
        (mode && find_choice(mode->param.format, mode->param.value) == kBothLinks);
    return (gateValve ? kFirstGateValve : 1) + channel;
}

template <typename Visit>
void OutputElements::ForEachLink(Visit visit) {
    for (int i = 0; i < kOpLinks; ++i)
        if (SimParameter* p = base_.Find("op", i))
            visit(p->param);
    for (int i = 0; i < kCount; ++i)
        if (SimParameter* p = base_.Find("rel.a", i))
            visit(p->param);
}

int OutputElements::StateOf(int element) {
    int state = kFree;
    ForEachLink([&](const Parameter& link) {
        if (state == kFree && ElementOf(link) == element + 1)
            state = BlockOf(link);
    });
    return state;
}

// "op" 2c and "rel.a" c of channel positions 2k and 2k + 1.
bool OutputElements::PairedInModification5(const Parameter& a, const Parameter& b) {
    if (!same_ignoring_latin_case(a.name, b.name))
        return false;
    if (same_ignoring_latin_case(a.name, "rel.a"))
        return a.index / 2 == b.index / 2;
    return a.index % 2 == 0 && b.index % 2 == 0 && a.index / 4 == b.index / 4;
}

int OutputElements::CheckLink(const Parameter& written, int choice, int modification) {
    if (choice <= 0 || choice > kCount)
        return 0;
    int error = 0;
    ForEachLink([&](const Parameter& link) {
        const bool same = same_ignoring_latin_case(link.name, written.name) &&
                          link.index == written.index;
        const bool shared = modification == kPairedModification &&
                            PairedInModification5(link, written);
        if (!same && !shared && ElementOf(link) == choice)
            error = NetworkErrors::kInvalidCombination;
    });
    return error;
}
