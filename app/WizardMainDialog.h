#pragma once
// The wizard of this program: the twelve pages, the status line with its
// progress bar under the buttons, and the exit question.

#include "pages/ChannelCountPage.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/ConnectionCheckPage.h"
#include "pages/FinishPage.h"
#include "pages/GateValveChannelPage.h"
#include "pages/GraphPage.h"
#include "pages/ModificationPage.h"
#include "pages/ParameterListPage.h"
#include "pages/PortSelectionPage.h"
#include "pages/ServicePage.h"
#include "pages/WelcomePage.h"
#include "pages/WrongDevicePage.h"
#include "config/SessionWrites.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "params/ParameterHelp.h"
#include "device/TransferStatus.h"
#include "shell/DeviceServices.h"
#include "shell/ExitProcedure.h"
#include "shell/GuiConfigurationProgress.h"
#include "shell/StatusProgressBar.h"
#include "shell/WizardSheet.h"
#include "shell/WorkerRegistry.h"

#include <QTimer>

class QComboBox;
class QLabel;

// Besides the pages it owns the one device link of the program and serves
// the pages' reads and writes with retries, the status line and the error box.
class WizardMainDialog : public WizardSheet, public DeviceServices, private TransferStatus {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;
    static constexpr int kPageFrameId = 1010;
    static constexpr int kProgressBarId = 1043;
    static constexpr int kStatusTextId = 1044;
    static constexpr int kStatusTimerId = 105;
    static constexpr int kStatusHideDelayMs = 300;

    explicit WizardMainDialog(QWidget* parent = nullptr);
    ~WizardMainDialog() override;

    static constexpr int kFlyingBlockPercent = 15;

    // May be called from a page worker: the change is then posted.
    void SetStatus(bool show, const QString& text);
    StatusProgressBar* ProgressBar() const { return progressBar; }

    void OnExit() override;
    bool IsExitConfirmed() const { return exitProcedure.IsRunning() || exitConfirmed; }

    DeviceLink& Link() override { return deviceLink; }
    WizardState& State() override { return wizardState; }
    DeviceOperations& Operations() override { return operations; }
    TransferStatus& Status() override { return *this; }
    WorkerRegistry& Workers() override { return workers; }
    ConfigurationProgress& Progress() override { return configurationProgress; }
    const SessionWrites& Writes() const override { return sessionWrites; }
    ExitProcedure& Exit() { return exitProcedure; }

    void RunOnDevice(QObject* receiver, std::function<int()> job,
                     std::function<void(int)> then) override;
    // A page's write or read with retries, the status text and the failure
    // box, on the calling thread (the device worker or a page worker); the
    // status line and the box are carried to the GUI thread.
    int WriteParameterRequest(Parameter& parameter, int attempts) override;
    int ReadParameterRequest(Parameter& parameter, int attempts) override;
    // A list's choices for a parameter, as the modification offers them.
    void FillChoices(QComboBox& combo, Parameter& parameter) override;
    static void FillChoiceCombo(QComboBox& combo, const Parameter& parameter,
                                const ParameterTable& table, const WizardState& state);

    // A visible, enabled list with nothing chosen: the page refuses Next.
    static bool IsChoiceMissing(const QComboBox& combo);
    ParameterHelp GetParameterHelp(const Parameter& parameter) override;

private:
    void ShowStatus(bool show, const std::string& text) override;
    void AdvanceProgress(int percent) override;
    void BuildLayout();
    void PlaceControls();
    void resizeEvent(QResizeEvent* event) override;
    void AddPages();
    void StartDevice();
    void HideStatus();
    void StartExitProcedure();
    void FinishExit();

    // Members in the order the program builds them.
    WelcomePage welcomePage;
    FinishPage finishPage;
    WrongDevicePage wrongDevicePage;
    ServicePage servicePage;
    ModificationPage modificationPage;
    ChannelCountPage channelCountPage;
    PortSelectionPage portSelectionPage;
    // The state before the link that shares it; the pages that use the link
    // after it.
    WizardState wizardState;
    DeviceLink deviceLink;
    DeviceOperations operations{deviceLink};
    SessionWrites sessionWrites; // told by operations of every write
    ParameterListPage parameterListPage;
    GraphPage graphPage;
    ChannelFunctionsPage channelFunctionsPage;
    ConnectionCheckPage connectionCheckPage;
    GateValveChannelPage gateValveChannelPage;

    StatusProgressBar* progressBar;
    QLabel* statusText;
    QWidget* frame = nullptr;
    QTimer statusTimer;
    GuiConfigurationProgress configurationProgress;
    WorkerRegistry workers;
    ExitProcedure exitProcedure;
    // Set once the workers are gone; the cancel command that follows then
    // closes without asking again.
    bool exitConfirmed = false;
};
