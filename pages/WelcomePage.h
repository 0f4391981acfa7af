#pragma once

#include "shell/WizardPage.h"

class WelcomePage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 137;

    explicit WelcomePage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
