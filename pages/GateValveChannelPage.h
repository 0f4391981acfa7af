#pragma once

#include "shell/WizardPage.h"

class GateValveChannelPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 191;

    explicit GateValveChannelPage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
