#include "pages/ParameterListPage.h"

#include "shell/WizardSheet.h"

ParameterListPage::ParameterListPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ParameterListPage::OnInitDialog() {
    AddPicture(151);
    AddHeading("Задание параметров входа 1");
    return true;
}

void ParameterListPage::OnPageShown() { Sheet()->setWindowTitle("Задание параметров входа 1"); }
