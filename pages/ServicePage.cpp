#include "pages/ServicePage.h"

#include "shell/WizardSheet.h"

ServicePage::ServicePage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ServicePage::OnInitDialog() {
    AddPicture(135);
    AddHeading("Задание служебных параметров");
    return true;
}

// The channel walk cannot be re-entered from here, so Back stays off.
void ServicePage::OnPageShown() {
    Sheet()->setWindowTitle("Задание служебных параметров");
    Sheet()->EnableBack(false);
}
