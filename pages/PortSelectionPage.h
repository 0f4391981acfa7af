#pragma once

#include "link/PortEnumerator.h"
#include "shell/WizardPage.h"

class QComboBox;

class PortSelectionPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 193;
    static constexpr int kTextId = 1027;
    static constexpr int kPortListId = 1059;

    explicit PortSelectionPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetNextPageId() override;

    // Where the ports are looked up; the system's own unless a test says otherwise.
    void UsePorts(const PortEnumerator& ports) { enumerator = ports; }

protected:
    bool OnInitDialog() override;

private:
    void FillPortList();
    void OnPortChosen(int index);

    PortEnumerator enumerator;
    QComboBox* portList = nullptr;
};
