#pragma once

#include "shell/WizardPage.h"

class ConnectionCheckPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 136;

    explicit ConnectionCheckPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    bool CanLeavePage() override;

protected:
    bool OnInitDialog() override;
};
