#pragma once

#include "shell/WizardPage.h"

class FinishPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 142;

    explicit FinishPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    bool CanLeavePage() override;

protected:
    bool OnInitDialog() override;
};
