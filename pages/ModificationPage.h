#pragma once
// The controller's modification: the six entries with their pictures and the
// description of the one selected; Next switches the controller to it, and
// "Загрузить конфигурацию..." brings a saved configuration onto it.

#include "config/ModificationChange.h"
#include "pages/ConfigurationLoad.h"
#include "shell/WizardPage.h"

#include <QPixmap>

#include <string>
#include <vector>

class CmyRichEditCtrl;
class QListWidget;

class ModificationPage : public WizardPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 106;
    static constexpr int kPicturesId = 183;
    static constexpr int kListId = 1046;
    static constexpr int kDescriptionId = 1004;
    static constexpr int kLoadId = 1092;

    explicit ModificationPage(QWidget* parent = nullptr);
    void OnPageShown() override;
    int GetPrevPageId() override;
    int GetNextPageId() override;

    // How often and how long the change waits for the controller.
    void SetChangeTiming(const ModificationChange::Timing& timing) {
        changeTiming = timing;
        load.SetChangeTiming(timing);
    }
    // Tests answer the open dialog of the load themselves (not owned).
    void SetFileChooser(FileChooser* chooser) { load.SetFileChooser(chooser); }
    // Where "1.rtf".."6.rtf" are read from; the program's own folder unless set.
    void SetDescriptionFolder(const std::string& folder) { descriptionFolder = folder; }

    // The picture of modification entry 0..5.
    const QPixmap& Picture(int entry) const { return pictures.at(entry); }

protected:
    bool OnInitDialog() override;

private:
    void BuildPictures();
    void FitEntries();
    void Detect();
    void SelectionChanged();
    void ShowDescription();
    void ChangeFinished(ModificationOutcome outcome);
    void SelectModification(int modification);

    QListWidget* list = nullptr;
    CmyRichEditCtrl* description = nullptr;
    std::vector<QPixmap> pictures;
    ModificationChange::Timing changeTiming;
    std::string descriptionFolder;
    ConfigurationLoad load{*this, [this](int modification) { SelectModification(modification); }};
};
