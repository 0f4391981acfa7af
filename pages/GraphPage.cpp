#include "pages/GraphPage.h"

#include "config/FindShown.h"
#include "config/ModificationTraits.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox1.h"
#include "controls/CmyGraf.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/ReportedReads.h"
#include "device/TransferStatus.h"
#include "pages/GraphNodeList.h"
#include "pages/GraphWrite.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/ParameterListPage.h"
#include "pages/ServicePage.h"
#include "params/ChoiceList.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/PageThread.h"
#include "shell/WizardSheet.h"
#include "shell/WorkerRegistry.h"
#include "util/NumberText.h"
#include "util/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kTitle = "Задайте график коррекции уставки в канале";
constexpr const char* kReading = "читаю...";
constexpr const char* kDuplicateX =
    "Совпадение значений Х. Одинаковые значения этого параметра не допустимы!";
constexpr int kNodesPerGraph = 10;
constexpr int kReadStep = 8;
constexpr int kRowHeight = 18;

DeviceServices& DeviceOf(const GraphPage& page) { return *page.Services(); }

} // namespace

GraphPage::GraphPage(QWidget* parent) : WizardPage(kDialogId, parent), reader(new PageThread(this)) {
    reader->setObjectName("graph reader");
}

GraphPage::~GraphPage() { StopReader(); }

bool GraphPage::OnInitDialog() {
    graph = new CmyGraf(this);
    graph->setObjectName(QString::number(kGraphId));
    graph->setGeometry(DialogUnits::Rect(6, 6, 194, 181));
    AddText(0, QRect(206, 6, 107, 8), "Вход графика:");
    input = new CmyComboBox1(false, this);
    input->setObjectName(QString::number(kInputId));
    // Digits meant for the node count must not change the input.
    input->SetTypingSearches(false);
    input->setGeometry(DialogUnits::Rect(206, 15, 107, 12));
    AddText(0, QRect(206, 29, 107, 16), "Число узловых точек графика:");
    count = new QSpinBox(this);
    count->setObjectName(QString::number(kCountUpDownId));
    count->findChild<QLineEdit*>()->setObjectName(QString::number(kCountEditId));
    count->setGeometry(DialogUnits::Rect(206, 45, 40, 11));
    count->setRange(0, kRows);
    connect(count, &QSpinBox::valueChanged, this, &GraphPage::NodeCountChanged);
    AddText(0, QRect(206, 57, 107, 8), "Узловые точки графика:");
    nodes = new GraphNodeList(this);
    nodes->setObjectName(QString::number(kNodeListId));
    nodes->setGeometry(DialogUnits::Rect(206, 66, 107, 121));
    nodes->Setup(6); // X and Y editable, nothing written on accept
    nodes->SetRowHeight(kRowHeight);
    // The client width: the viewport is sized only once the list is shown.
    const int w = nodes->width() - 2 * nodes->frameWidth();
    nodes->SetColumn(0, "№", w / 5 - 5);
    nodes->SetColumn(1, "X", 2 * w / 5);
    nodes->SetColumn(2, "Y", 2 * w / 5);
    connect(nodes, &GraphNodeList::NodeEdited, this, &GraphPage::RebuildCurve);
    if (DeviceServices* device = Services())
        device->Workers().Register(reader);
    return true;
}

bool GraphPage::OpenedFromList() const {
    return TraitsOf(DeviceOf(*this).State().Modification).graph == GraphUse::FromSetpoint;
}

void GraphPage::OnPageShown() {
    DeviceServices& device = DeviceOf(*this);
    channel = device.State().CurrentChannelIndex();
    Sheet()->setWindowTitle(kTitle);
    graph->SetGraphNumber(channel + 1);
    if (OpenedFromList()) {
        Sheet()->BackButton()->setText("&Отмена");
        Sheet()->NextButton()->setText("&OK");
    }
    device.Status().ShowStatus(true, "Чтение графика...");
    FillInputs();
    Sheet()->EnableNext(false);
    Sheet()->EnableBack(false);
    setEnabled(false);
    if (!reader->isRunning())
        reader->Start([this, &device, c = channel] { ReadGraph(device, c); });
}

// The channel's own input in modification 5 (the second of its pair),
// otherwise what the modification allows.
void GraphPage::FillInputs() {
    DeviceServices& device = DeviceOf(*this);
    input->clear();
    const Parameter* inputs = FindShown(device.Link().Table(), "in.gr", 0);
    if (!inputs)
        return;
    const int modification = device.State().Modification.load();
    const bool inWalk = TraitsOf(modification).graph == GraphUse::InWalk;
    const int own = device.State().ChannelPosition.load() + 2;
    const std::vector<std::string> choices = choice_tokens(inputs->format);
    for (int k = 0; k < int(choices.size()); ++k) {
        const bool allowed = std::size_t(k) >= inputs->choiceMasks.size() ||
                             IsChoiceAllowed(inputs->choiceMasks[k], modification);
        if (allowed || (inWalk && k >= 1 && k <= 8 && k == own))
            input->addItem(QString::fromStdString(choices[k]));
    }
}

void GraphPage::Post(std::function<void()> onGuiThread) {
    // The list goes with the page's window: a late post then finds nothing to do.
    QMetaObject::invokeMethod(nodes, std::move(onGuiThread), Qt::QueuedConnection);
}

void GraphPage::ReadGraph(DeviceServices& device, int c) {
    // An unread value is named to the operator once the graph is read.
    ReportedReads reads(device.Link(), device.Operations());
    const AbortEvent& exitEvent = device.Link().Port().exit_event();
    Parameter* in = FindShown(device.Link().Table(), "in.gr", c);
    device.Status().AdvanceProgress(kReadStep);
    const bool inputRead = in && reads.Read(*in);
    Post([this, inputRead, value = in ? in->value : std::string()] { SelectInput(inputRead, value); });

    Parameter* node = FindShown(device.Link().Table(), "node", kNodesPerGraph * c);
    device.Status().AdvanceProgress(kReadStep);
    // An unread count is taken as no nodes.
    const bool countRead = node && reads.Read(*node);
    const int k = countRead ? std::clamp(std::atoi(node->value.c_str()), 0, kRows) : 0;
    if (node && !countRead)
        node->value = std::to_string(k);
    Post([this, k] {
        if (nodes->rowCount() > 0)
            nodes->ClearRows();
        count->setValue(k);
    });

    for (int n = 0; n < kRows; ++n) {
        if (exitEvent.is_set())
            return; // the program is closing: the page stays disabled
        Post([this, n, k, c] { AddNodeRow(n, k, c); });
        const int index = kNodesPerGraph * c + n;
        for (const char* name : {"absc", "ordn"}) {
            Parameter* p = FindShown(device.Link().Table(), name, index);
            const int column = name[0] == 'a' ? GraphNodeList::kXColumn : GraphNodeList::kYColumn;
            device.Status().AdvanceProgress(kReadStep);
            if (p)
                reads.Read(*p);
            Post([this, n, column, value = p ? p->value : std::string(kNoData)] {
                nodes->SetCellText(n, column, value);
            });
        }
    }
    const bool failed = reads.ReportFailure();
    Post([this, failed] { EndReading(failed); });
}

void GraphPage::SelectInput(bool read, const std::string& value) {
    const int found = read ? input->findText(QString::fromStdString(value)) : -1;
    input->Select(found >= 0 ? found : (input->count() > 0 ? 0 : -1));
}

void GraphPage::AddNodeRow(int row, int nodeCount, int c) {
    DeviceLink& link = DeviceOf(*this).Link();
    const int index = kNodesPerGraph * c + row;
    nodes->InsertRow(row, QString::asprintf("%i.", row + 1),
                     row >= nodeCount ? CmyListCtrl::kRowDisabled : 0);
    nodes->SetRowParameters(row, FindShown(link.Table(), "absc", index),
                            FindShown(link.Table(), "ordn", index));
    nodes->SetCellText(row, GraphNodeList::kXColumn, kReading);
    nodes->SetCellText(row, GraphNodeList::kYColumn, kReading);
}

void GraphPage::EndReading(bool failed) {
    readFailed = failed;
    nodes->FitColumns();
    DeviceOf(*this).Status().ShowStatus(false, "");
    RebuildCurve();
    setEnabled(true);
    Sheet()->EnableNext(NodeCount() > 1 || readFailed);
    Sheet()->EnableBack(true);
}

int GraphPage::NodeCount() const { return count->value(); }

void GraphPage::NodeCountChanged(int value) {
    if (nodes->rowCount() == 0)
        return;
    for (int row = 0; row < nodes->rowCount(); ++row)
        nodes->SetRowDisabled(row, row >= value);
    nodes->viewport()->update();
    RebuildCurve();
    Sheet()->EnableNext(value > 1 || readFailed);
}

void GraphPage::RebuildCurve() {
    const Parameter* x = nodes->XParameter(0);
    const Parameter* y = nodes->YParameter(0);
    if (!x || !y)
        return;
    std::vector<GraphNode> points;
    for (int row = 0; row < NodeCount() && row < nodes->rowCount(); ++row) {
        const Parameter* px = nodes->XParameter(row);
        const Parameter* py = nodes->YParameter(row);
        if (px && py)
            points.push_back(GraphNodeFromTexts(px->value, py->value));
    }
    graph->Rebuild({x->lower, x->upper, y->lower, y->upper}, points);
}

// Every node in use needs numbers (a refused edit says why; an unread cell
// is plain to see), and no two may share an X.
bool GraphPage::NodesAcceptable() const {
    const int used = std::min(NodeCount(), nodes->rowCount());
    for (int i = 0; i < used; ++i) {
        float xi = 0;
        float yi = 0;
        if (ReadSingle(nodes->CellText(i, GraphNodeList::kXColumn), xi) == 0 ||
            ReadSingle(nodes->CellText(i, GraphNodeList::kYColumn), yi) == 0)
            return false;
        for (int j = 0; j < nodes->rowCount(); ++j) {
            const std::string other = nodes->CellText(j, GraphNodeList::kXColumn);
            float xj = 0;
            if (j == i || !nodes->IsRowEnabled(j) || other == kNoData || ReadSingle(other, xj) == 0)
                continue;
            if (xj == xi) {
                ShowMessage(kDuplicateX, "Предупреждение", PromptIcon::Information);
                return false;
            }
        }
    }
    return true;
}

int GraphPage::GetNextPageId() {
    nodes->CloseEditor();
    if (readFailed) {
        reader->wait(); // it has posted its end and is only returning
        OnPageShown();
        return -1;
    }
    if (!NodesAcceptable())
        return -1;
    GraphWrite write;
    write.channel = channel;
    write.input = input->currentText().toStdString();
    write.points = graph->Layout().points;
    write.nodeCount = NodeCount();
    write.switchCorrectionOn = OpenedFromList();
    DeviceServices& device = DeviceOf(*this);
    Sheet()->RunProcedure(
        this, [&device, write] { return WriteGraph(device, write); },
        [this](int result) {
            if (result == 0)
                GraphWritten();
        });
    return -1;
}

void GraphPage::GraphWritten() {
    WizardState& state = DeviceOf(*this).State();
    if (OpenedFromList()) {
        Sheet()->ShowPageById(ParameterListPage::kDialogId);
        return;
    }
    // In the walk the graph ends a channel pair's pass.
    const bool inWalk = TraitsOf(state.Modification).graph == GraphUse::InWalk;
    if (inWalk && state.ChannelPosition + 2 < state.ChannelCount) {
        state.ChannelPosition += 2;
        state.PageKind = kFirstPageKind;
        Sheet()->ShowPageById(ChannelFunctionsPage::kDialogId);
        return;
    }
    Sheet()->ShowPageById(ServicePage::kDialogId);
}

int GraphPage::GetPrevPageId() {
    nodes->CloseEditor();
    DeviceServices& device = DeviceOf(*this);
    if (!OpenedFromList()) {
        device.State().PageKind = kLastPageKind;
        ReturnToPreviousPage();
        return -1;
    }
    Sheet()->RunProcedure(
        this, [&device, c = channel] { return WriteSetpointCorrection(device, c, 0); },
        [this](int) { ReturnToPreviousPage(); });
    return -1;
}

// Back to the last screen the channel shows, at or below the current kind.
void GraphPage::ReturnToPreviousPage() {
    WizardState& state = DeviceOf(*this).State();
    const int row = state.CurrentChannelIndex();
    int kind = state.PageKind;
    while (kind > 0 && state.PageEnabled(row, kind) == 0)
        --kind;
    state.PageKind = kind;
    Sheet()->ShowPageById(ParameterListPage::kDialogId);
}

bool GraphPage::CanLeavePage() {
    if (nodes->rowCount() > 0)
        nodes->ClearRows();
    return true;
}

void GraphPage::OnPageDestroying() { StopReader(); }

// The reader ends soon after "ExitEvent"; the exit waits for that first.
void GraphPage::StopReader() { reader->wait(); }
