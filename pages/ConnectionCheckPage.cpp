#include "pages/ConnectionCheckPage.h"

#include "shell/WizardSheet.h"

ConnectionCheckPage::ConnectionCheckPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ConnectionCheckPage::OnInitDialog() {
    AddPicture(182);
    AddHeading("Проверка сети и настройка сетевых параметров");
    return true;
}

void ConnectionCheckPage::OnPageShown() { Sheet()->setWindowTitle("Проверка сети и настройка сетевых параметров"); }

// The port selection page that may follow keeps this shorter title.
bool ConnectionCheckPage::CanLeavePage() {
    Sheet()->setWindowTitle("Мастер конфигурирования ZRK");
    return true;
}
