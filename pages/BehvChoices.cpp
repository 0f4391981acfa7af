#include "pages/BehvChoices.h"

#include "config/ModificationTraits.h"
#include "params/ChoiceList.h"
#include "params/Parameter.h"

#include <algorithm>

namespace {

// The list keeps blanks as '_'.
std::string AsListText(std::string text) {
    std::replace(text.begin(), text.end(), ' ', '_');
    return text;
}

} // namespace

void RenameFirstBehvChoice(Parameter& behv, int modification) {
    const std::string first = choice_text(behv, 0);
    const std::string renamed = TraitsOf(modification).inspectorsOnly ? "Работа инспекторов"
                                                                       : "Переход в \"Старт\"";
    std::vector<std::string> choices = choice_tokens(behv.format);
    std::string format;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            format += ':';
        format += AsListText(choices[i] == first ? renamed : choices[i]);
    }
    behv.format = format;
}
