#pragma once

#include "shell/WizardPage.h"

#include <string>

class WelcomePage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 137;

    explicit WelcomePage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetNextPageId() override;

    // Where an answered name leads: the modification page for a ZRK640 (in
    // any case), the wrong-device page for another model.
    static int PageForDeviceName(const std::string& name);

protected:
    bool OnInitDialog() override;
};
