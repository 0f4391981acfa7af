// The main dialog's device services: the pages' reads and writes with
// retries, the choice lists and the help texts.

#include "util/ProgramDirectory.h"
#include "config/OfferedChoices.h"
#include "device/RetriedRequest.h"
#include "config/WizardState.h"
#include "app/WizardMainDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QThread>

#include <algorithm>
#include <cstdlib>

void WizardMainDialog::RunOnDevice(QObject* receiver, std::function<int()> job,
                                   std::function<void(int)> then) {
    RunProcedure(receiver, std::move(job), std::move(then));
}

int WizardMainDialog::WriteParameterRequest(Parameter& parameter, int attempts) {
    return RetriedRequest(deviceLink, operations, *this).Write(parameter, attempts);
}

int WizardMainDialog::ReadParameterRequest(Parameter& parameter, int attempts) {
    return RetriedRequest(deviceLink, operations, *this).Read(parameter, attempts);
}

void WizardMainDialog::FillChoices(QComboBox& combo, Parameter& parameter) {
    FillChoiceCombo(combo, parameter, deviceLink.Table(), wizardState);
}

void WizardMainDialog::FillChoiceCombo(QComboBox& combo, const Parameter& parameter,
                                       const ParameterTable& table, const WizardState& state) {
    for (const std::string& choice : OfferedChoices(parameter, table, state))
        combo.addItem(QString::fromStdString(choice));
}

bool WizardMainDialog::IsChoiceMissing(const QComboBox& combo) {
    return combo.isVisible() && combo.isEnabled() && combo.currentIndex() < 0;
}

ParameterHelp WizardMainDialog::GetParameterHelp(const Parameter& parameter) {
    const int addressBits = std::atoi(deviceLink.Settings().GetValueByName(kAddressLengthName).c_str());
    return ::GetParameterHelp(parameter, addressBits, DataDirectory() + "tooltip.dat");
}

void WizardMainDialog::ShowStatus(bool show, const std::string& text) {
    SetStatus(show, QString::fromStdString(text));
}

void WizardMainDialog::AdvanceProgress(int percent) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, percent] { AdvanceProgress(percent); }, Qt::QueuedConnection);
        return;
    }
    progressBar->setValue(std::min(progressBar->maximum(), progressBar->value() + percent));
}
