// The main dialog's device services: the pages' reads and writes with
// retries, the choice lists and the help texts.

#include "util/ProgramDirectory.h"
#include "config/OfferedChoices.h"
#include "device/RetriedRequest.h"
#include "config/WizardState.h"
#include "shell/GuiThreadCall.h"
#include "app/WizardMainDialog.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <cstdlib>

namespace {

// What a worker gets when the exit cut its request short: not done.
constexpr int kRequestAbandoned = 1;

} // namespace

int WizardMainDialog::CarryToGui(std::function<int()> request) {
    return GuiThreadCall::Run(this, deviceLink.Port().exit_event(), std::move(request),
                              kRequestAbandoned);
}

int WizardMainDialog::WriteParameterRequest(Parameter& parameter, int attempts) {
    return CarryToGui([this, &parameter, attempts] {
        return RetriedRequest(deviceLink, operations, *this).Write(parameter, attempts);
    });
}

int WizardMainDialog::ReadParameterRequest(Parameter& parameter, int attempts) {
    return CarryToGui([this, &parameter, attempts] {
        return RetriedRequest(deviceLink, operations, *this).Read(parameter, attempts);
    });
}

void WizardMainDialog::FillChoices(QComboBox& combo, Parameter& parameter) {
    FillChoiceCombo(combo, parameter, deviceLink.Table(), wizardState);
}

void WizardMainDialog::FillChoiceCombo(QComboBox& combo, const Parameter& parameter,
                                       const ParameterTable& table, const WizardState& state) {
    for (const std::string& choice : OfferedChoices(parameter, table, state))
        combo.addItem(QString::fromStdString(choice));
}

int WizardMainDialog::PageKind() const { return wizardState.PageKind.load(); }

bool WizardMainDialog::IsChoiceMissing(const QComboBox& combo) {
    return combo.isVisible() && combo.isEnabled() && combo.currentIndex() < 0;
}

ParameterHelp WizardMainDialog::GetParameterHelp(const Parameter& parameter) {
    const int addressBits = std::atoi(deviceLink.Settings().GetValueByName(kAddressLengthName).c_str());
    return ::GetParameterHelp(parameter, addressBits, ProgramDirectory() + "tooltip.dat");
}

void WizardMainDialog::ShowStatus(bool show, const std::string& text) {
    SetStatus(show, QString::fromStdString(text));
}

// The transfer runs on the GUI thread; the bar and the text are painted now,
// without letting the operator's input through.
void WizardMainDialog::AdvanceProgress(int percent) {
    progressBar->setValue(std::min(progressBar->maximum(), progressBar->value() + percent));
    progressBar->repaint();
    statusText->repaint();
}
