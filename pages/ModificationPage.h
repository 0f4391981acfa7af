#pragma once

#include "shell/WizardPage.h"

class ModificationPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 106;

    explicit ModificationPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetPrevPageId() override;

protected:
    bool OnInitDialog() override;
};
