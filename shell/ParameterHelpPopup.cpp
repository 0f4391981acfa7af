#include "shell/ParameterHelpPopup.h"

#include "controls/CmyRichEditCtrl.h"
#include "shell/WizardPage.h"

ParameterHelpPopup::ParameterHelpPopup(WizardPage& page, CmyRichEditCtrl& richEdit,
                                       HelpSource help)
    : page(page), richEdit(richEdit), help(std::move(help)) {}

void ParameterHelpPopup::Hover(Parameter* parameter, bool hasParameter) {
    if (hasParameter && parameter)
        Show(*parameter);
    else
        Hide();
}

void ParameterHelpPopup::Show(const Parameter& parameter) {
    if (&parameter == lastShown)
        return;
    ParameterHelp texts = help(parameter);
    if (texts.comment.empty() && texts.range.empty())
        texts.comment = "Нет данных";
    if (richEdit.isHidden()) {
        richEdit.setGeometry(0, 0, kWidth, kHeight);
        richEdit.show();
        richEdit.raise();
    }
    page.ShowComment(QString::fromStdString(texts.title), QString::fromStdString(texts.comment),
                     QString::fromStdString(texts.range), &richEdit);
    lastShown = &parameter;
}

void ParameterHelpPopup::Hide() {
    if (richEdit.isHidden())
        return;
    richEdit.hide();
    lastShown = nullptr;
}
