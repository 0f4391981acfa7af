#include "pages/WrongDevicePage.h"

#include "shell/WizardSheet.h"

#include <QLabel>
#include <QPushButton>

WrongDevicePage::WrongDevicePage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool WrongDevicePage::OnInitDialog() {
    AddPicture(133);
    message = AddText(1027, QRect(118, 11, 194, 95), QString(), SmallFont());
    return true;
}

// Only Exit is left to the user here.
void WrongDevicePage::OnPageShown() {
    Sheet()->setWindowTitle("Прибор не ZRK640");
    message->setText(
        "Не подключён прибор ZRK640. Подключите к компьютеру прибор ZRK640 и повторите попытку.");
    Sheet()->EnableNext(false);
    Sheet()->EnableBack(false);
    Sheet()->SetDefaultStyle(Sheet()->ExitButton(), true);
    Sheet()->ExitButton()->setFocus();
}
