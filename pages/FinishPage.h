#pragma once

#include "shell/DialogFileChooser.h"
#include "shell/WizardPage.h"

#include <string>

class FinishPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 142;
    static constexpr int kReportId = 1090;
    static constexpr int kSaveId = 1091;

    explicit FinishPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    // Tests answer the save dialogs themselves (not owned).
    void SetFileChooser(FileChooser* chooser) { fileChooser = chooser; }

protected:
    bool OnInitDialog() override;

private:
    void OnReport();
    void OnSaveConfiguration();
    void WriteReportFile(const std::string& path);
    void WriteConfigurationFile(const std::string& path);

    DialogFileChooser dialogChooser;
    FileChooser* fileChooser = &dialogChooser;
};
