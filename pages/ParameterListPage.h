#pragma once
// The per-channel parameter screens (page kinds 1..81): one page that shows
// in turn the inputs, computing block, regulator, setpoint, autotuning,
// output links, PWM, inspector, LBA and gate-valve screens of each channel,
// read from the controller on its own worker and written back on edits.

#include "config/ScreenTableRead.h"
#include "config/ScreenTableSink.h"
#include "shell/WizardPage.h"

#include <memory>

class CmyComboBox1;
class CmyListCtrl;
class CmyRichEditCtrl;
class ListEditing;
class ParameterHelpPopup;
class ParameterListWorker;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class WizardState;

class ParameterListPage : public WizardPage, private ScreenTableSink {
    Q_OBJECT
public:
    static constexpr int kDialogId = 107;
    // Template ids of the page's controls.
    static constexpr int kListId = 1021;
    static constexpr int kSelectorId = 1025;
    static constexpr int kPromptBId = 1026;
    static constexpr int kSquareRootId = 1027;
    static constexpr int kPromptAId = 1030;
    static constexpr int kSeparatorId = 1031;
    static constexpr int kSquareRootTextId = 1041;
    static constexpr int kCommentId = 1003;
    static constexpr int kGraphButtonId = 104;
    static constexpr int kPictureId = 151;

    explicit ParameterListPage(QWidget* parent = nullptr);
    ~ParameterListPage() override;

    bool OnPageCreated() override;
    void OnPageShown() override;
    int GetPrevPageId() override;
    int GetNextPageId() override;
    void OnControlHover(Parameter* parameter, bool hasParameter) override;

    // Sets the screen of the current page kind up and asks for its table;
    // false when the channel is finished and no page follows from here.
    bool Setup(bool keep);
    // A table read asked for and not yet shown.
    bool IsReadingTable() const { return reading; }

protected:
    bool OnInitDialog() override;
    // A read for a screen no longer shown must not reach the next page's buttons.
    void hideEvent(QHideEvent* event) override;

private:
    // ScreenTableSink, on the GUI thread (the worker's calls are queued here).
    void SelectorFilled(const std::vector<std::string>& entries, int selection) override;
    void SquareRootRead(int answer) override;
    void RowsCleared() override;
    void RowAdded(int row, const std::string& description, Parameter* parameter,
                  bool deferred) override;
    void RowRead(int row, const std::string& value) override;
    void TableRead(const std::vector<ScreenRow>& rows, bool selected) override;

    void BuildControls();
    void LayOut(int kind);
    void ShowTexts(int kind);
    void FitPrompt(QLabel& prompt, int pixels);
    void ShowGraphButton(int kind);
    void RequestTable(int kind, bool keep);
    void SetGateValveDefaults(int kind);
    bool FinishChannel();
    void Advance();
    void StepTo(int kind);
    void OnSelectorChosen(int index);
    void OnSquareRootChosen(int index);
    void ApplyRowStates(const std::string& selection);
    void UpdateChannelLabel();
    Parameter* SelectorParameter(int kind) const;
    ScreenRequest MakeRequest(int kind, bool keep) const;
    WizardState& State() const;

    CmyComboBox1* selector = nullptr;
    QLabel* promptA = nullptr;
    QLabel* promptB = nullptr;
    QFrame* separator = nullptr;
    QLabel* squareRootText = nullptr;
    QComboBox* squareRoot = nullptr;
    CmyListCtrl* list = nullptr;
    ListEditing* editing = nullptr; // goes with the list
    CmyRichEditCtrl* comment = nullptr;
    QLabel* channelLabel = nullptr;
    QPushButton* graphButton = nullptr;
    std::unique_ptr<ParameterHelpPopup> popup;
    bool keep = false;
    bool reading = false;
    // The selector's value could not be read: Next reads the screen again.
    bool selectorUnread = false;
    int generation =
        0; // counts table requests; a worker's later calls for an older one are dropped
    // Last: stopped before anything it reads for goes.
    std::unique_ptr<ParameterListWorker> worker;
};
