#pragma once

#include "shell/WizardPage.h"

class ServicePage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 154;

    explicit ServicePage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
