#pragma once

#include "shell/WizardPage.h"

class ChannelFunctionsPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 194;

    explicit ChannelFunctionsPage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
