#include "pages/FinishPage.h"

#include "shell/WizardSheet.h"

#include <QLabel>
#include <QPushButton>

FinishPage::FinishPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool FinishPage::OnInitDialog() {
    AddPicture(143);
    AddText(1028, QRect(118, 30, 194, 60),
            "Прибор ZRK640 успешно сконфигурирован. Для создания специальной конфигурации прибора "
            "воспользуйтесь программой \"Конфигуратор ZRK640\", входящей в комплект поставки.")
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel* wish = AddText(1029, QRect(118, 110, 194, 16), "Желаем успешной работы!");
    wish->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wish->setFont(SmallFont());
    return true;
}

void FinishPage::OnPageShown() {
    Sheet()->setWindowTitle("Готово");
    Sheet()->EnableBack(true);
    Sheet()->ExitButton()->setText("Готово");
}

bool FinishPage::CanLeavePage() {
    Sheet()->ExitButton()->setText("Выход");
    return true;
}
