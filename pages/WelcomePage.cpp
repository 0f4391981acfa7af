#include "pages/WelcomePage.h"

#include "shell/WizardSheet.h"

#include <QLabel>

WelcomePage::WelcomePage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool WelcomePage::OnInitDialog() {
    AddPicture(181);
    AddText(1018, QRect(118, 6, 194, 68),
            "Вас приветствует программа  быстрого конфигурирования прибора ZRK640 для всех "
            "модификаций прибора:\nBrisko ZRK640.")
        ->setFont(LargeFont());
    AddText(0, QRect(118, 78, 194, 22),
            "Отвечая на вопросы программы, Вы сможете легко сконфигурировать прибор для работы.");
    AddText(0, QRect(118, 104, 194, 80),
            "Подключите прибор к COM-порту компьютера через адаптер интерфейса RS-232/RS-485 "
            "производителя прибора или аналогичный, включите питание прибора и адаптера и нажмите "
            "кнопку \"Вперед\". Установка связи с прибором может занять несколько секунд.");
    return true;
}

void WelcomePage::OnPageShown() {
    Sheet()->setWindowTitle("Мастер конфигурирования ZRK640");
    Sheet()->EnableNext(true);
    Sheet()->EnableBack(false);
}
