#include "AllowedChoices.h"

#include "link/ChoiceList.h"
#include "params/Parameter.h"
#include "params/WizardState.h"

#include <QComboBox>

void AddAllowedChoices(QComboBox& combo, const Parameter& parameter) {
    const std::vector<std::string> choices = choice_tokens(parameter.format);
    for (std::size_t number = 0; number < choices.size(); ++number) {
        const bool masked = number < parameter.choiceMasks.size();
        if (!masked || IsChoiceAllowed(parameter.choiceMasks[number]))
            combo.addItem(QString::fromStdString(choices[number]));
    }
}
