#include "config/OutputElementMasks.h"

#include "config/PageKinds.h"

namespace {

bool ValidChannel(int k) {
    return k >= 0 && k < OutputElementMasks::kChannels;
}

int LowestBit(std::uint8_t mask) {
    for (int e = 0; e < kOutputElementCount; ++e)
        if (mask & (1u << e))
            return e;
    return -1;
}

} // namespace

std::uint8_t OutputElementMasks::Mask(int k, OutputWhich which) const {
    return ValidChannel(k) ? masks[k][static_cast<int>(which)] : 0;
}

void OutputElementMasks::Assign(int k, OutputWhich which, int e) {
    if (!ValidChannel(k))
        return;
    std::uint8_t& mask = masks[k][static_cast<int>(which)];
    mask = e >= 0 && e < kOutputElementCount ? static_cast<std::uint8_t>(1u << e) : 0;
}

void OutputElementMasks::Clear() {
    masks = {};
}

bool OutputElementMasks::IsElementTaken(int k, int e) const {
    if (e < 0 || e >= kOutputElementCount)
        return false;
    for (int other = 0; other < kChannels; ++other)
        if (other != k && ((masks[other][0] | masks[other][1]) & (1u << e)))
            return true;
    return false;
}

AssignedElement OutputElementMasks::GetAssignedElementName(int p, OutputWhich which,
                                                          int modification) const {
    const int k = ChannelIndexOf(modification, p);
    const int e = LowestBit(Mask(k, which));
    if (e >= 0)
        return {ElementName(e + 1), e};
    return {ElementName(2 * k + (which == OutputWhich::First ? 1 : 2)), -1};
}

std::string OutputElementMasks::ElementName(int number) {
    return "Выходной элемент №" + std::to_string(number);
}
