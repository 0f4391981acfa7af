#pragma once

#include "shell/WizardPage.h"

class ConnectionList;
class Parameter;
class QPushButton;

class ConnectionCheckPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 136;
    static constexpr int kListId = 1021;
    static constexpr int kCheckId = 1022;
    static constexpr int kDefaultsId = 1024;

    explicit ConnectionCheckPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    bool CanLeavePage() override;
    int GetNextPageId() override;

protected:
    bool OnInitDialog() override;

private:
    void FillList();
    void ShowSettings();
    void OnCheck();
    void OnDefaults();

    ConnectionList* list = nullptr;
    QPushButton* check = nullptr;
    QPushButton* defaults = nullptr;
    Parameter* deviceName = nullptr;
};
