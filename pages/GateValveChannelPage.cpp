#include "pages/GateValveChannelPage.h"

#include "shell/WizardSheet.h"

GateValveChannelPage::GateValveChannelPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool GateValveChannelPage::OnInitDialog() {
    AddHeading("Задание общих параметров канала");
    return true;
}

void GateValveChannelPage::OnPageShown() { Sheet()->setWindowTitle("Задание общих параметров канала"); }
