#include "pages/ChannelCountPage.h"

#include "shell/WizardSheet.h"

ChannelCountPage::ChannelCountPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ChannelCountPage::OnInitDialog() {
    AddPicture(135);
    AddHeading("Укажите необходимое количество подключённых каналов в приборе");
    return true;
}

void ChannelCountPage::OnPageShown() { Sheet()->setWindowTitle("Базовые параметры конфигурации"); }
