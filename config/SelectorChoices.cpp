#include "config/SelectorChoices.h"

#include "config/ModificationTraits.h"
#include "config/PageKinds.h"
#include "config/WizardState.h"
#include "params/ChoiceList.h"
#include "params/Parameter.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The position sensor types of "in-t", offered unfiltered on kinds 9-16.
constexpr int kSensorChoices[] = {26, 27, 28, 41};

bool In(int number, std::initializer_list<int> list) {
    return std::find(list.begin(), list.end(), number) != list.end();
}

// Computing-block types an input count cannot feed.
bool DroppedForInputs(int number, int modification, int inputs) {
    constexpr int kOffChoice = 9;
    // Blocks of up to four inputs have their own types.
    if (TraitsOf(modification).switchableInputs == 4) {
        if (number == kOffChoice)
            return true;
        switch (inputs) {
        case 1:
            return !In(number, {0, 1, 2});
        case 2:
            return In(number, {0, 2, 6});
        case 3:
            return In(number, {0, 2, 3});
        case 4:
            return In(number, {0, 2, 3, 6, 8});
        default:
            return false;
        }
    }
    switch (inputs) {
    case 1:
        return !In(number, {0, 1, 2});
    case 2:
        return In(number, {0, 2});
    default:
        return false;
    }
}

bool MaskAllows(const Parameter& p, std::size_t number, int modification) {
    return number >= p.choiceMasks.size() || IsChoiceAllowed(p.choiceMasks[number], modification);
}

} // namespace

std::vector<std::string> SelectorChoices(int kind, const Parameter& selector, int modification,
                                         int inputs) {
    const std::vector<std::string> all = choice_tokens(selector.format);
    std::vector<std::string> offered;
    if (ScreenOfKind(kind, true) == Screen::PositionSensor) {
        for (int number : kSensorChoices)
            if (number < static_cast<int>(all.size()))
                offered.push_back(all[number]);
        return offered;
    }
    const bool computingBlock = ScreenOfKind(kind, true) == Screen::ComputingBlock;
    for (std::size_t number = 0; number < all.size(); ++number) {
        if (!MaskAllows(selector, number, modification))
            continue;
        if (computingBlock && DroppedForInputs(static_cast<int>(number), modification, inputs))
            continue;
        offered.push_back(all[number]);
    }
    return offered;
}
