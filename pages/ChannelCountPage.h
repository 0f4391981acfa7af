#pragma once

#include "shell/WizardPage.h"

class ChannelCountPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 177;

    explicit ChannelCountPage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
