#pragma once

#include "shell/WizardPage.h"

class ParameterListPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 107;

    explicit ParameterListPage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
