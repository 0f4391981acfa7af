#include "pages/PortSelectionPage.h"

#include "shell/WizardSheet.h"

#include <QPushButton>

PortSelectionPage::PortSelectionPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool PortSelectionPage::OnInitDialog() {
    AddPicture(182);
    AddHeading("Выбор последовательного порта:");
    return true;
}

// Back stays disabled here; only its label tells that leaving cancels.
void PortSelectionPage::OnPageShown() { Sheet()->BackButton()->setText("Отмена"); }

bool PortSelectionPage::CanLeavePage() {
    Sheet()->BackButton()->setText("Назад");
    return true;
}
