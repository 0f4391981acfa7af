#include "pages/GraphPage.h"

#include "shell/WizardSheet.h"

GraphPage::GraphPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

bool GraphPage::OnInitDialog() {
    AddHeading("Задайте график коррекции уставки в канале");
    return true;
}

void GraphPage::OnPageShown() { Sheet()->setWindowTitle("Задайте график коррекции уставки в канале"); }
