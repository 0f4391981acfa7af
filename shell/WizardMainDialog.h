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
#include "shell/StatusProgressBar.h"
#include "shell/WizardSheet.h"

#include <QTimer>

class QLabel;

class WizardMainDialog : public WizardSheet {
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

    void SetStatus(bool show, const QString& text);
    StatusProgressBar* ProgressBar() const { return progressBar; }

    void OnExit() override;
    bool IsExitConfirmed() const { return exitConfirmed; }

private:
    void BuildLayout();
    void AddPages();
    void HideStatus();
    void StartExitProcedure();

    // Members in the order the program builds them.
    WelcomePage welcomePage;
    FinishPage finishPage;
    WrongDevicePage wrongDevicePage;
    ServicePage servicePage;
    ModificationPage modificationPage;
    ChannelCountPage channelCountPage;
    PortSelectionPage portSelectionPage;
    // The device object (serial port, link settings, parameter table) will be
    // a member here, between the port page and the parameter pages, so the
    // parameter base is loaded before those pages are built.
    ParameterListPage parameterListPage;
    GraphPage graphPage;
    ChannelFunctionsPage channelFunctionsPage;
    ConnectionCheckPage connectionCheckPage;
    GateValveChannelPage gateValveChannelPage;

    StatusProgressBar* progressBar;
    QLabel* statusText;
    QTimer statusTimer;
    // Set once the user has agreed to quit; the cancel command that follows
    // then closes without asking again.
    bool exitConfirmed = false;
};
