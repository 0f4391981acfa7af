#include "FakeSheet.h"

#include "params/Parameter.h"
#include "params/WizardState.h"

#include <QComboBox>

#include <algorithm>

int FakeSheet::WriteParameterRequest(Parameter& parameter, int attempts) {
    writes.push_back({parameter.name, parameter.value, attempts});
    return refuseWrites ? 1 : 0;
}

int FakeSheet::ReadParameterRequest(Parameter& parameter, int attempts) {
    reads.push_back({parameter.name, parameter.value, attempts});
    parameter.value = readValue;
    return 0;
}

void FakeSheet::FillChoices(QComboBox& combo, Parameter& parameter) {
    const auto count = std::count(parameter.format.begin(), parameter.format.end(), ':') + 1;
    for (int number = 0; number < count; ++number) {
        const std::string text = choice_text(parameter, number);
        const bool masked = number < static_cast<int>(parameter.choiceMasks.size());
        if (!masked || IsChoiceAllowed(parameter.choiceMasks[number]))
            combo.addItem(QString::fromStdString(text));
    }
}
