#include "pages/ChannelFunctionsPage.h"

#include "shell/WizardSheet.h"

ChannelFunctionsPage::ChannelFunctionsPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ChannelFunctionsPage::OnInitDialog() {
    AddHeading("Задание общих параметров канала");
    return true;
}

void ChannelFunctionsPage::OnPageShown() { Sheet()->setWindowTitle("Задание общих параметров канала"); }
