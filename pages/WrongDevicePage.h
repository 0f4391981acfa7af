#pragma once

#include "shell/WizardPage.h"

class QLabel;

class WrongDevicePage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 141;

    explicit WrongDevicePage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;

private:
    QLabel* message = nullptr;
};
