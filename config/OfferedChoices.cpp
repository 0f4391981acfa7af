#include "config/OfferedChoices.h"

#include "config/ConfigurationCheck.h"
#include "config/ModificationTraits.h"
#include "params/ChoiceList.h"
#include "params/ParameterTable.h"
#include "config/WizardState.h"

namespace {

// Whether a choice equals the value of name:index and is not p's own value.
// A link the base lacks takes nothing, and is no reason for a box.
bool TakenBy(const std::string& choice, const Parameter& p, const ParameterTable& table,
             const char* name, int index) {
    const Parameter* other = table.FindParameter(name, index);
    return other && other->value == choice && choice != p.value;
}

// Choice 0 ("Не подключен") is no output element: every channel may leave
// its link unconnected.
constexpr std::size_t kNotConnectedChoice = 0;

bool TakenByEarlierChannel(const std::string& choice, const Parameter& p,
                           const ParameterTable& table, int modification, int position) {
    for (int c = 0; c < position; ++c)
        if (TakenBy(choice, p, table, "OP", 2 * c) || TakenBy(choice, p, table, "OP", 2 * c + 1))
            return true;
    // The inspectors' links too, where gate-valve channels have inspectors.
    if (!TraitsOf(modification).features[kFeatureInspector])
        return false;
    for (int i = 0; i <= position; ++i)
        if (TakenBy(choice, p, table, "rel.a", i))
            return true;
    return false;
}

bool MaskAllows(const Parameter& p, std::size_t number, int modification) {
    return number >= p.choiceMasks.size() || IsChoiceAllowed(p.choiceMasks[number], modification);
}

} // namespace

std::vector<std::string> OfferedChoices(const Parameter& p, const ParameterTable& table,
                                        const WizardState& state) {
    const int modification = state.Modification.load();
    const int position = state.ChannelPosition.load();
    const bool checkTaken =
        TraitsOf(modification).features[kFeatureGateValveControl] && IsOutputLink(p);
    std::vector<std::string> offered;
    const std::vector<std::string> choices = choice_tokens(p.format);
    for (std::size_t number = 0; number < choices.size(); ++number) {
        const std::string& choice = choices[number];
        if (checkTaken && number != kNotConnectedChoice && TakenByEarlierChannel(choice, p, table, modification, position))
            continue;
        if (MaskAllows(p, number, modification))
            offered.push_back(choice);
    }
    return offered;
}
