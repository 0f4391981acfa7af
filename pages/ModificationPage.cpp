#include "pages/ModificationPage.h"

#include "shell/WizardSheet.h"

ModificationPage::ModificationPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool ModificationPage::OnInitDialog() {
    AddHeading("Выбор модификации");
    return true;
}

void ModificationPage::OnPageShown() {
    Sheet()->setWindowTitle("Выбор модификации");
    Sheet()->EnableBack(true);
}

// Back skips the connection pages and goes straight to the welcome page.
int ModificationPage::GetPrevPageId() {
    Sheet()->ShowPageAt(Sheet()->GetActivePageIndex() - 4);
    return 1;
}
