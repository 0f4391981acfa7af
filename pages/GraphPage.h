#pragma once

#include "shell/WizardPage.h"

class GraphPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 196;

    explicit GraphPage(QWidget* parent = nullptr);
    void OnPageShown() override;

protected:
    bool OnInitDialog() override;
};
