#pragma once

#include "shell/WizardPage.h"

class PortSelectionPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 193;

    explicit PortSelectionPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    bool CanLeavePage() override;

protected:
    bool OnInitDialog() override;
};
