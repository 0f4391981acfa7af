#include "app/WizardMainDialog.h"

#include "config/ChannelCountChange.h"
#include "util/Prompter.h"
#include "config/WizardState.h"
#include "shell/DialogUnits.h"
#include "shell/ProgramResources.h"

#include <QIcon>
#include <QLabel>
#include <QThread>
#include <QPushButton>

namespace {

// The wizard window and its buttons, in dialog units.
constexpr int kWidth = 320;
constexpr int kHeight = 220;
constexpr int kFrameHeight = 193;
constexpr int kButtonY = 199;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

// The status line is drawn in dark green.
const QColor kStatusColour(0, 60, 0);

} // namespace

WizardMainDialog::WizardMainDialog(QWidget* parent)
    : WizardSheet(parent), welcomePage(this), finishPage(this), wrongDevicePage(this),
      servicePage(this), modificationPage(this), channelCountPage(this), portSelectionPage(this),
      parameterListPage(this), graphPage(this), channelFunctionsPage(this),
      connectionCheckPage(this), gateValveChannelPage(this),
      progressBar(new StatusProgressBar(this)), statusText(new QLabel(this)), statusTimer(this),
      configurationProgress(*this, *progressBar, *this) {
    setWindowTitle("Мастер конфигурирования ZRK640");
    setWindowIcon(QIcon(ProgramResources::Picture(":/icons/165.png")));
    deviceLink.UseState(wizardState);
    deviceLink.Settings().BuildParameters();
    deviceLink.configure_port();
    operations.SetObserver(&sessionWrites);
    // Every write of "n.Ch" reshapes the channels of the modification chosen.
    PlugChannelCountChange(operations, deviceLink.Table(), configurationProgress, wizardState);
    BuildLayout();
    AddPages();
    workers.Register(Worker().Thread());
    // The welcome page needs neither the port nor the base: both are made
    // ready on the device worker once the window is up, and every procedure
    // waits for them. A port that does not open shows itself later as a
    // failed connection.
    SetPrelude([this] {
        deviceLink.Port().open();
        return deviceLink.LoadBase();
    });
    statusTimer.setObjectName(QString::number(kStatusTimerId));
    statusTimer.setSingleShot(true);
    statusTimer.setInterval(kStatusHideDelayMs);
    connect(&statusTimer, &QTimer::timeout, this, &WizardMainDialog::HideStatus);
    connect(&exitProcedure, &ExitProcedure::Finished, this, &WizardMainDialog::FinishExit);
    SetPageFrameId(kPageFrameId);
    InitSheet();
    progressBar->Prepare(kFlyingBlockPercent, 0, false);
}

// The device worker may still be in a procedure that uses the link.
WizardMainDialog::~WizardMainDialog() {
    deviceLink.Port().exit_event().set();
    Worker().Join();
    DestroyAllPages();
}

void WizardMainDialog::BuildLayout() {
    // The layout's size is the least; the operator may make the window larger.
    setMinimumSize(DialogUnits::Size(kWidth, kHeight));
    resize(minimumSize());
    frame = new QWidget(this);
    frame->setObjectName(QString::number(kPageFrameId));
    // Only a placeholder for the pages' position: it must never cover them.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    statusText->setObjectName(QString::number(kStatusTextId));
    statusText->setAlignment(Qt::AlignCenter);
    QPalette green = statusText->palette();
    green.setColor(QPalette::WindowText, kStatusColour);
    statusText->setPalette(green);
    statusText->hide();

    progressBar->setObjectName(QString::number(kProgressBarId));
    progressBar->setRange(0, 100);
    progressBar->setTextVisible(false);
    progressBar->hide();
    PlaceControls();
}

// The page frame takes what the window grew by; the buttons keep to its
// lower right corner, the status line to its lower left.
void WizardMainDialog::PlaceControls() {
    const QSize grown = size() - DialogUnits::Size(kWidth, kHeight);
    const QPoint corner(grown.width(), grown.height());
    const QPoint below(0, grown.height());
    frame->setGeometry(DialogUnits::Rect(0, 0, kWidth, kFrameHeight).adjusted(0, 0, corner.x(), corner.y()));
    BackButton()->setGeometry(DialogUnits::Rect(150, kButtonY, kButtonWidth, kButtonHeight).translated(corner));
    NextButton()->setGeometry(DialogUnits::Rect(200, kButtonY, kButtonWidth, kButtonHeight).translated(corner));
    ExitButton()->setGeometry(DialogUnits::Rect(262, kButtonY, kButtonWidth, kButtonHeight).translated(corner));
    statusText->setGeometry(DialogUnits::Rect(2, 196, 103, 8).translated(below));
    progressBar->setGeometry(DialogUnits::Rect(7, 206, 94, 8).translated(below));
    if (WizardPage* page = GetActivePage())
        page->setGeometry(frame->geometry());
}

void WizardMainDialog::resizeEvent(QResizeEvent* event) {
    WizardSheet::resizeEvent(event);
    if (frame)
        PlaceControls();
}

void WizardMainDialog::AddPages() {
    for (WizardPage* page :
         std::initializer_list<WizardPage*>{&welcomePage, &connectionCheckPage, &portSelectionPage,
                                            &wrongDevicePage, &modificationPage, &channelCountPage,
                                            &gateValveChannelPage, &channelFunctionsPage,
                                            &parameterListPage, &graphPage, &servicePage,
                                            &finishPage})
        AddPage(page, page->DialogId());
}

void WizardMainDialog::SetStatus(bool show, const QString& text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, show, text] { SetStatus(show, text); }, Qt::QueuedConnection);
        return;
    }
    if (!show) {
        statusTimer.start();
        return;
    }
    statusTimer.stop();
    progressBar->setValue(0);
    progressBar->show();
    statusText->show();
    statusText->setText(text);
}

void WizardMainDialog::HideStatus() {
    statusTimer.stop();
    progressBar->hide();
    statusText->hide();
    if (progressBar->IsRunning())
        progressBar->StopAnimation();
}

void WizardMainDialog::OnExit() {
    if (exitConfirmed) {
        CloseSheet();
        return;
    }
    if (exitProcedure.IsRunning())
        return;
    const Prompt question{"Хотите выйти из программы?", "Подтверждение", PromptIcon::Information,
                          PromptButtons::YesNo, false};
    if (ActivePrompter().ask(question) == PromptAnswer::Yes)
        StartExitProcedure();
}

// "ExitEvent" ends any transfer at once; the pages' workers then end on their own.
void WizardMainDialog::StartExitProcedure() {
    Worker().Stop();
    exitProcedure.Start(deviceLink.Port().exit_event(), workers.Workers());
}

void WizardMainDialog::FinishExit() {
    exitConfirmed = true;
    // The one place the settings are stored; a failure stays silent at exit.
    deviceLink.StoreSettings();
    QMetaObject::invokeMethod(this, &WizardMainDialog::OnExit, Qt::QueuedConnection);
}
