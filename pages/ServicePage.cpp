#include "pages/ServicePage.h"

#include "config/FindShown.h"
#include "config/ModificationTraits.h"
#include "config/OutputLinks.h"
#include "config/ScreenLists.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox1.h"
#include "controls/CmyListCtrl.h"
#include "controls/CmyRichEditCtrl.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/ReportedReads.h"
#include "device/TransferStatus.h"
#include "link/AbortableWait.h"
#include "pages/BehvChoices.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/ListEditing.h"
#include "shell/PageThread.h"
#include "shell/ParameterHelpPopup.h"
#include "shell/StatusLineProgress.h"
#include "shell/WizardSheet.h"
#include "shell/WorkerRegistry.h"
#include "util/TextCase.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <poll.h>

namespace {

constexpr const char* kTitle = "Задание служебных параметров";
constexpr int kRowHeight = 20;
constexpr int kDpPerChannel = 8;
constexpr std::uint8_t kEditableFromValue = 10;

// The indication rows are named after the block each channel's display shows.
QString IndicationName(int modification, int index) {
    const bool computingBlock = TraitsOf(modification).features[kFeatureComputingBlock];
    return QString::asprintf(computingBlock ? "Индикация Вычислителя №%d" : "Индикация Входа №%d",
                             index / kDpPerChannel + 1);
}

} // namespace

ServicePage::ServicePage(QWidget* parent)
    : WizardPage(kDialogId, parent), worker(new PageThread(this)) {
    worker->setObjectName("indication reader");
}

ServicePage::~ServicePage() { StopWorker(); }

bool ServicePage::OnInitDialog() {
    AddPicture(135);
    AddText(1037, QRect(118, 6, 194, 24),
            "Задайте реакцию прибора при восстановлении пропавшего на короткое время "
            "напряжения питания:");
    reaction = new CmyComboBox1(false, this);
    reaction->setObjectName(QString::number(kReactionId));
    reaction->setGeometry(DialogUnits::Rect(118, 31, 194, 12));
    connect(reaction, &CmyComboBox::Chosen, this, &ServicePage::ReactionChosen);
    auto* line = new QFrame(this);
    line->setObjectName("1031");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(DialogUnits::Rect(118, 47, 194, 2));
    AddText(1038, QRect(118, 51, 194, 16), "Задайте параметры индикации на передней панели прибора:");
    indication = new CmyListCtrl(this);
    indication->setObjectName(QString::number(kIndicationListId));
    indication->setGeometry(DialogUnits::Rect(118, 68, 194, 119));
    indication->Setup(kEditableFromValue);
    indication->SetRowHeight(kRowHeight);
    indication->SetColumn(0, "Описание", 160);
    indication->SetColumn(1, "Параметр", 55);
    indication->SetColumn(2, "Значение", 71);
    indication->FitColumnsToWidth();
    connect(indication, &CmyListCtrl::ControlHover, this,
            [this](bool has, Parameter* parameter) { ControlHover(parameter, has); });

    help = new CmyRichEditCtrl(this);
    help->setObjectName(QString::number(kHelpId));
    help->setGeometry(10, 10, 90, 190);
    help->setReadOnly(true);
    QPalette grey = help->palette();
    grey.setColor(QPalette::Base, QColor(220, 220, 220));
    help->setPalette(grey);
    help->hide();
    if (DeviceServices* device = Services()) {
        indication->SetRequests(device);
        new ListEditing(*indication, device, ListEditing::OnDeviceWorker(*Sheet()));
        helpPopup = std::make_unique<ParameterHelpPopup>(
            *this, *help, [device](const Parameter& p) { return device->GetParameterHelp(p); });
        device->Workers().Register(worker);
    }
    return true;
}

// First showing: where the channel functions page chose the output elements,
// the channels' links are connected to them.
bool ServicePage::OnPageCreated() {
    DeviceServices& device = *Services();
    const int modification = device.State().Modification.load();
    if (TraitsOf(modification).assemblesOutputs) {
        Sheet()->RunProcedure(this, [&device, modification] {
            StatusLineProgress progress(device.Status());
            WizardState& state = device.State();
            OutputLinks(device.Operations(), device.Link().Table(), progress)
                .AssembleOutputElements(state.OutputMasks, modification, state.ChannelCount.load());
            return 0;
        });
    }
    stopping = false;
    readRequest.reset();
    worker->Start([this, &device] { ServeReadRequests(device); });
    return true;
}

void ServicePage::OnPageShown() {
    DeviceServices& device = *Services();
    Sheet()->setWindowTitle(kTitle);
    Sheet()->EnableBack(false); // the channel walk is not entered backwards
    behv = FindShown(device.Link().Table(), "behv", 0);
    if (!behv) {
        readRequest.set();
        return;
    }
    RenameFirstBehvChoice(*behv, device.State().Modification.load());
    reaction->clear();
    device.FillChoices(*reaction, *behv);
    reaction->setCurrentIndex(-1);
    ReadBehv(true);
}

void ServicePage::ReadBehv(bool thenTable) {
    DeviceServices& device = *Services();
    behv->value = kNoData;
    device.Status().ShowStatus(true, "Чтение behv...");
    Parameter* p = behv;
    Sheet()->RunProcedure(
        this, [&device, p] { return device.ReadParameterRequest(*p, 2); },
        [this, thenTable](int result) { BehvRead(result, thenTable); });
}

// A failed read has been shown in its box; the list claims no reaction then.
void ServicePage::BehvRead(int result, bool thenTable) {
    behvUnread = result != 0;
    if (!behvUnread) {
        const int found = reaction->findText(QString::fromStdString(behv->value));
        const bool inspectorsOnly = TraitsOf(Services()->State().Modification).inspectorsOnly;
        reaction->Select(found >= 0 ? found : (inspectorsOnly ? 0 : -1));
        reaction->repaint();
    }
    Services()->Status().ShowStatus(false, "");
    if (thenTable)
        readRequest.set();
    else
        AllowNext();
}

// The operator told of an unread reaction reads it again with Next, or picks one.
void ServicePage::AllowNext() {
    // A pass that ends after the page was left must not set the next page's buttons.
    if (IsActive())
        Sheet()->EnableNext(reaction->currentIndex() >= 0 || behvUnread);
}

int ServicePage::GetNextPageId() {
    if (!behv || !behvUnread)
        return 0;
    ReadBehv(false);
    return -1;
}

void ServicePage::ReactionChosen(int index) {
    if (!behv || index < 0)
        return;
    const std::string old = behv->value;
    behv->value = reaction->itemText(index).toStdString();
    DeviceServices& device = *Services();
    Parameter* p = behv;
    Sheet()->RunProcedure(
        this, [&device, p] { return device.WriteParameterRequest(*p, 1); },
        [this, p, old](int result) {
            // A refused reaction is not shown as the controller's.
            if (result != 0) {
                p->value = old;
                reaction->Select(reaction->findText(QString::fromStdString(old)));
            } else {
                behvUnread = false;
            }
            AllowNext();
        });
}

void ServicePage::OnControlHover(Parameter* parameter, bool hasParameter) {
    if (helpPopup)
        helpPopup->Hover(parameter, hasParameter);
}

void ServicePage::Post(std::function<void()> onGuiThread) {
    // The list goes with the page's window: a late post then finds nothing to do.
    QMetaObject::invokeMethod(indication, std::move(onGuiThread), Qt::QueuedConnection);
}

void ServicePage::ServeReadRequests(DeviceServices& device) {
    const AbortEvent& exitEvent = device.Link().Port().exit_event();
    const AbortableWait request(readRequest.fd(), exitEvent);
    while (request.until(POLLIN, AbortableWait::Clock::time_point::max()) ==
           AbortableWait::Outcome::Ready) {
        if (stopping)
            return;
        // A request made during the pass stays set and brings one more pass.
        readRequest.reset();
        ReadIndicationTable(device);
    }
}

void ServicePage::ReadIndicationTable(DeviceServices& device) {
    const AbortEvent& exitEvent = device.Link().Port().exit_event();
    const WizardState& state = device.State();
    const int modification = state.Modification.load();
    Post([this] {
        if (IsActive()) {
            Sheet()->EnableBack(false);
            Sheet()->EnableNext(false);
        }
        setEnabled(false);
        if (indication->rowCount() > 0)
            indication->ClearRows();
    });
    device.Status().ShowStatus(true, "Чтение таблицы...");
    ReportedReads reads(device.Link(), device.Operations());
    const ReferenceList entries = ScreenReferences(Screen::Indication);
    const int step = 100 / std::max(1, CountApplicableReferences(entries, modification));
    int row = 0;
    for (const ResolvedReference& entry : ResolveReferenceList(entries, 0, modification)) {
        if (exitEvent.is_set() || stopping)
            return; // the program is closing
        device.Status().AdvanceProgress(step);
        Parameter* p = FindShown(device.Link().Table(), entry.name, entry.index);
        if (!p)
            continue;
        const bool display = EqualsNoCase(entry.name, "dp");
        if (display && entry.index > kDpPerChannel * state.ChannelCount.load() - kDpPerChannel)
            continue;
        const QString name = display ? IndicationName(modification, entry.index)
                                     : QString::fromStdString(p->DisplayName());
        Post([this, row, p, display, name] {
            if (display)
                p->displayName = name.toStdString();
            AddIndicationRow(row, p);
        });
        reads.Read(*p);
        Post([this, row, value = p->value] { indication->SetCellText(row, 2, value); });
        ++row;
    }
    reads.ReportFailure();
    Post([this] { EndTableReading(); });
}

void ServicePage::AddIndicationRow(int row, Parameter* parameter) {
    indication->InsertRow(row, QString::fromStdString(parameter->DisplayName()), 0);
    indication->SetRowParameter(row, parameter);
    indication->SetCellText(row, 1, parameter->name);
    indication->SetCellText(row, 2, "читаю...");
}

void ServicePage::EndTableReading() {
    indication->FitColumnsToWidth();
    AllowNext();
    setEnabled(true);
    Services()->Status().ShowStatus(false, "");
}

void ServicePage::OnPageDestroying() { StopWorker(); }

// At exit "ExitEvent" ends the worker; a page going away ends it too.
void ServicePage::StopWorker() {
    stopping = true;
    readRequest.set();
    worker->wait();
}
