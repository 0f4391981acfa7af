#include "pages/ParameterListPage.h"

#include "config/FindShown.h"
#include "config/KindRowRules.h"
#include "config/ModificationTraits.h"
#include "config/OutputLinks.h"
#include "config/PageKindTexts.h"
#include "config/PageKinds.h"
#include "config/ParametersByIndex.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox1.h"
#include "controls/CmyListCtrl.h"
#include "controls/CmyRichEditCtrl.h"
#include "controls/LayoutFont.h"
#include "device/DeviceLink.h"
#include "pages/ChannelCountPage.h"
#include "pages/ChannelPageId.h"
#include "pages/GraphPage.h"
#include "pages/ParameterListWorker.h"
#include "pages/QueuedScreenTableSink.h"
#include "pages/ServicePage.h"
#include "shell/StatusLineProgress.h"
#include "shell/DeviceServices.h"
#include "shell/DialogUnits.h"
#include "shell/ListEditing.h"
#include "shell/ParameterHelpPopup.h"
#include "shell/WizardSheet.h"
#include "shell/WorkerRegistry.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// "EditSettings": values editable from column 2.
constexpr std::uint8_t kEditFromValueColumn = 10;
constexpr int kRowHeight = 20;
constexpr int kPromptPixels = 11; // "MS Shell Dlg" 8
constexpr int kAdvicePixels = 10; // the position sensor's long advice
const QSize kPictureSize(164, 313);
constexpr int kPidOption = 1; // "rEG.t"

// Results of the device procedure Next starts.
constexpr int kGoOn = 0;
constexpr int kStay = 1;
constexpr int kReread = 2;

// A rectangle given by its corners, in dialog units.
QRect Units(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// The same in pixels.
QRect Corners(int left, int top, int right, int bottom) {
    return DialogUnits::Rect(left, top, right - left, bottom - top);
}

bool HasGraph(int kind, int modification) {
    return ScreenOfKind(kind, true) == Screen::Setpoint &&
           TraitsOf(modification).graph == GraphUse::FromSetpoint;
}

bool WritesLinksOnNext(int kind, int modification) {
    const ModificationTraits& t = TraitsOf(modification);
    return (kind == kOutputLinksKind && t.outputLinksScreen) ||
           (ScreenOfKind(kind, true) == Screen::GateValveControl &&
            t.features[kFeatureGateValveControl]);
}

} // namespace

ParameterListPage::ParameterListPage(QWidget* parent) : WizardPage(kDialogId, parent) {}

// The worker goes first (last member): it may be reading for this page.
ParameterListPage::~ParameterListPage() = default;

WizardState& ParameterListPage::State() const {
    return Services()->State();
}

bool ParameterListPage::OnInitDialog() {
    if (Services() == nullptr)
        return false;
    BuildControls();
    return true;
}

bool ParameterListPage::OnPageCreated() {
    // The channel pages may already have chosen where the walk starts.
    if (State().PageKind == 0)
        State().PageKind = kFirstPageKind;
    if (!worker) {
        DeviceServices* device = Services();
        worker = std::make_unique<ParameterListWorker>(
            device->Link().Port().exit_event(),
            [device](const ScreenRequest& request, ScreenTableSink& sink) {
                ScreenTableRead(device->Link(), device->Operations(), device->State(),
                                device->Status(), sink)
                    .Run(request);
            });
        worker->setObjectName("parameter list worker");
        device->Workers().Register(worker.get());
        worker->start();
    }
    return true;
}

void ParameterListPage::BuildControls() {
    QLabel* picture = AddPicture(kPictureId);
    channelLabel = new QLabel(this);
    // Placed by the left-hand picture's own size, also while it loads.
    channelLabel->setGeometry(QRect(picture->pos(), kPictureSize).adjusted(5, 0, -10, -5));
    channelLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    QFont labelFont = LayoutFont::Sized(QFont("Times New Roman"), 14);
    labelFont.setWeight(QFont::DemiBold);
    channelLabel->setFont(labelFont);
    QPalette blue = channelLabel->palette();
    blue.setColor(QPalette::WindowText, QColor(159, 206, 248));
    channelLabel->setPalette(blue);
    channelLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    promptA = AddText(kPromptAId, Units(118, 1, 313, 25), "");
    selector = new CmyComboBox1(false, this);
    selector->setObjectName(QString::number(kSelectorId));
    selector->setGeometry(Corners(118, 26, 313, 38));
    connect(selector, &CmyComboBox::Chosen, this, &ParameterListPage::OnSelectorChosen);
    separator = new QFrame(this);
    separator->setObjectName(QString::number(kSeparatorId));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(Corners(118, 39, 313, 41));
    promptB = AddText(kPromptBId, Units(118, 42, 313, 57), "");

    list = new CmyListCtrl(this);
    list->setObjectName(QString::number(kListId));
    list->Setup(kEditFromValueColumn);
    list->SetRequests(Services());
    editing = new ListEditing(*list, Services(), ListEditing::OnDeviceWorker(*Sheet()));
    connect(editing, &ListEditing::NextDecided, this, [this](bool on) { Sheet()->EnableNext(on); });
    list->SetColumn(0, "Описание", 150);
    list->SetColumn(1, "Параметр", 55);
    list->SetColumn(2, "Значение", 81);
    list->SetRowHeight(kRowHeight);
    connect(list, &CmyListCtrl::ControlHover, this,
            [this](bool has, Parameter* p) { ControlHover(p, has); });

    squareRootText = AddText(kSquareRootTextId, Units(118, 170, 256, 192),
                             "Необходимо ли вычисление квадратного корня из входной величины:");
    auto* root = new CmyComboBox1(false, this);
    root->setObjectName(QString::number(kSquareRootId));
    root->setGeometry(Corners(260, 172, 313, 184));
    root->addItems({"Нет", "Да"});
    connect(root, &CmyComboBox::Chosen, this, &ParameterListPage::OnSquareRootChosen);
    squareRoot = root;

    // The prompts in the layouts' own letter size, so that the long ones fit.
    QFont prompt = font();
    prompt.setPixelSize(LayoutFont::Pixels(kPromptPixels));
    for (QLabel* text : {promptA, promptB, squareRootText})
        text->setFont(prompt);

    comment = new CmyRichEditCtrl(this);
    comment->setObjectName(QString::number(kCommentId));
    comment->setReadOnly(true);
    // It follows the focused row; the keyboard has nothing to do in it.
    comment->setFocusPolicy(Qt::NoFocus);
    QPalette grey = comment->palette();
    grey.setColor(QPalette::Base, QColor(220, 220, 220));
    comment->setPalette(grey);
    comment->hide();
    DeviceServices* device = Services();
    popup = std::make_unique<ParameterHelpPopup>(*this, *comment, [device](const Parameter& p) {
        ParameterHelp help = device->GetParameterHelp(p);
        // The heading names the row's own number, as the row does.
        const std::string shown = p.DisplayName();
        if (help.title.rfind(shown, 0) == 0)
            help.title.replace(0, shown.size(), RowDescription(p, device->State().Modification));
        return help;
    });
}

// A walk that ended on this page (kind above 81) resumes at its last screen
// when the operator comes back to it.
void ParameterListPage::OnPageShown() {
    WizardState& s = State();
    if (s.PageKind > kLastPageKind) {
        int kind = kLastPageKind;
        while (kind > kFirstPageKind && !s.PageEnabled(s.CurrentChannelIndex(), kind))
            --kind;
        s.PageKind = kind;
    }
    Setup(false);
}

bool ParameterListPage::Setup(bool keepSelector) {
    delete graphButton;
    graphButton = nullptr;
    keep = keepSelector;
    const int kind = State().PageKind;
    if (kind > kLastPageKind)
        return FinishChannel();
    ShowTexts(kind);
    LayOut(kind);
    ShowGraphButton(kind);
    UpdateChannelLabel();
    if (ScreenOfKind(kind, true) == Screen::GateValveControl)
        SetGateValveDefaults(kind);
    else
        RequestTable(kind, keep);
    return true;
}

// A gate-valve screen starts from the channel's standard links, written
// before the screen is read.
void ParameterListPage::SetGateValveDefaults(int kind) {
    DeviceServices& device = *Services();
    const WizardState& s = State();
    Sheet()->RunProcedure(
        this,
        [&device, k = s.CurrentChannelIndex(), kind, modification = s.Modification.load()] {
            NullConfigurationProgress quiet;
            OutputLinks(device.Operations(), device.Link().Table(), quiet)
                .SetGateValveDefaults(k, kind, modification);
            return 0;
        },
        [this, kind](int) { RequestTable(kind, keep); });
}

// The channel is done: the next channel starts on its channel page in the
// modifications that walk one channel at a time.
bool ParameterListPage::FinishChannel() {
    WizardState& s = State();
    const ModificationTraits& t = TraitsOf(s.Modification);
    const int next = s.ChannelPosition + 1;
    // Channel pairs end their pass on the graph page instead.
    if (next >= s.ChannelCount || t.channelPage == ChannelPage::None ||
        t.graph == GraphUse::InWalk)
        return false;
    s.ChannelPosition = next;
    s.PageKind = kFirstPageKind;
    Sheet()->ShowPageById(ChannelPageId(t));
    return true;
}

void ParameterListPage::ShowTexts(int kind) {
    const WizardState& s = State();
    std::string element;
    if (ScreenOfKind(kind, true) == Screen::Pwm)
        element = PwmElementText(kind, s.Modification, s.ChannelPosition,
                                 Services()->Link().Table(), s.OutputMasks);
    const KindTexts texts = TextsOfKind(kind, s.Modification, s.ChannelPosition, element);
    Sheet()->setWindowTitle(QString::fromStdString(texts.caption));
    promptA->setText(QString::fromStdString(texts.promptA));
    promptB->setText(QString::fromStdString(texts.promptB));
}

void ParameterListPage::LayOut(int kind) {
    const int modification = State().Modification;
    const Screen screen = ScreenOfKind(kind, true);
    const bool hasSelector = SelectorOfKind(kind, modification, 0).has_value();
    const bool sensor = screen == Screen::PositionSensor;
    const bool root = AsksSquareRoot(kind, modification);
    promptA->setVisible(hasSelector);
    selector->setVisible(hasSelector);
    separator->setVisible(hasSelector && !sensor);
    squareRootText->setVisible(root);
    squareRoot->setVisible(root);
    // The position sensor's long advice needs room; without a selector the
    // prompt takes its place.
    promptB->setGeometry(sensor        ? Corners(118, 40, 313, 115)
                         : hasSelector ? Corners(118, 42, 313, 57)
                                       : Corners(118, 10, 313, 57));
    FitPrompt(*promptA, LayoutFont::Pixels(kPromptPixels));
    FitPrompt(*promptB, LayoutFont::Pixels(sensor ? kAdvicePixels : kPromptPixels));
    const int top = sensor ? 122 : 58;
    const int bottom = root || HasGraph(kind, modification) ? 168 : 188;
    list->setGeometry(Corners(117, top, 313, bottom));
}

// In a larger font a long prompt may need a line more than its room holds:
// the letter gives way a little rather than the text being cut.
void ParameterListPage::FitPrompt(QLabel& prompt, int pixels) {
    QFont font = prompt.font();
    const int least = pixels * 3 / 4;
    do {
        font.setPixelSize(pixels);
        prompt.setFont(font);
    } while (prompt.heightForWidth(prompt.width()) > prompt.height() && --pixels >= least);
}

void ParameterListPage::ShowGraphButton(int kind) {
    if (!HasGraph(kind, State().Modification))
        return;
    graphButton = new QPushButton("Редактирование графика", this);
    graphButton->setObjectName(QString::number(kGraphButtonId));
    graphButton->setFont(font());
    graphButton->setGeometry(Corners(117, 173, 313, 187));
    connect(graphButton, &QPushButton::clicked, this,
            [this] { Sheet()->ShowPageById(GraphPage::kDialogId); });
    graphButton->show();
}

ScreenRequest ParameterListPage::MakeRequest(int kind, bool keepSelector) const {
    const WizardState& s = State();
    ScreenRequest request;
    request.kind = kind;
    request.modification = s.Modification;
    request.position = s.ChannelPosition;
    request.channelCount = s.ChannelCount;
    if (ScreenOfKind(kind, true) == Screen::Pwm)
        request.element = PwmElementText(kind, s.Modification, s.ChannelPosition,
                                         Services()->Link().Table(), s.OutputMasks);
    request.keep = keepSelector;
    request.selected = selector->currentIndex() >= 0;
    request.selection = selector->currentText().toStdString();
    return request;
}

void ParameterListPage::RequestTable(int kind, bool keepSelector) {
    const int request = ++generation;
    reading = true;
    Sheet()->EnableBack(false);
    Sheet()->EnableNext(false);
    setEnabled(false);
    ScreenTableSink& target = *this;
    auto sink = std::make_shared<QueuedScreenTableSink>(
        this, target, [this, request] { return generation == request; });
    worker->Request(MakeRequest(kind, keepSelector), std::move(sink));
}

// Only the sheet hides the page; a minimised window is no leaving.
void ParameterListPage::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        ++generation;
        reading = false;
    }
    WizardPage::hideEvent(event);
}

void ParameterListPage::SelectorFilled(const std::vector<std::string>& entries, int selection) {
    selector->clear();
    for (const std::string& entry : entries)
        selector->addItem(QString::fromStdString(entry));
    selector->Select(selection);
}

void ParameterListPage::SquareRootRead(int answer) {
    squareRoot->setCurrentIndex(answer);
}

void ParameterListPage::RowsCleared() {
    list->ClearRows();
}

void ParameterListPage::RowAdded(int row, const std::string& description, Parameter* parameter,
                                 bool deferred) {
    list->InsertRow(row, QString::fromStdString(description),
                    deferred ? CmyListCtrl::kRowDeferred : 0);
    list->SetCellText(row, 1, parameter->name);
    list->SetCellText(row, 2, "читаю...");
    list->SetRowParameter(row, parameter);
}

void ParameterListPage::RowRead(int row, const std::string& value) {
    list->SetCellText(row, 2, value);
}

void ParameterListPage::TableRead(const std::vector<ScreenRow>& rows, bool selected) {
    list->FitColumnsToWidth();
    editing->ShowStates(rows);
    Sheet()->EnableBack(true);
    // A screen without a selector has nothing to choose before Next. An
    // unread selector, named in its box, is read again with Next.
    const bool hasSelector = !selector->isHidden();
    const Parameter* chosen = SelectorParameter(State().PageKind);
    selectorUnread = hasSelector && chosen && chosen->value == kNoData;
    editing->ApplyRules(hasSelector ? selected || selectorUnread : true);
    setEnabled(true);
    reading = false;
}

Parameter* ParameterListPage::SelectorParameter(int kind) const {
    const WizardState& s = State();
    const auto chosen = SelectorOfKind(kind, s.Modification, s.ChannelPosition);
    return chosen ? FindShown(Services()->Link().Table(), chosen->name, chosen->index) : nullptr;
}

void ParameterListPage::ApplyRowStates(const std::string& selection) {
    const WizardState& s = State();
    KindRowContext context;
    context.kind = s.PageKind;
    context.modification = s.Modification;
    context.position = s.ChannelPosition;
    context.channelCount = s.ChannelCount;
    context.selector = SelectorParameter(s.PageKind);
    context.selected = true;
    context.selection = selection;
    std::vector<ScreenRow> rows = editing->Rows();
    ApplyKindRowRules(context, rows, Services()->Link().Table());
    editing->ShowStates(rows);
}

void ParameterListPage::OnSelectorChosen(int index) {
    const int kind = State().PageKind;
    Parameter* p = SelectorParameter(kind);
    if (p == nullptr || index < 0)
        return;
    const std::string text = selector->itemText(index).toStdString();
    const Screen screen = ScreenOfKind(kind, true);
    if (screen == Screen::Inputs || screen == Screen::ComputingBlock)
        ApplyRowStates(text);
    const std::string old = p->value;
    p->value = text;
    const int attempts = screen == Screen::ComputingBlock ? 1 : 2;
    Sheet()->EnableNext(false);
    if (IsRegulatorKind(kind))
        State().FollowRegulatorType(State().CurrentChannelIndex(), kind,
                                    text == choice_text(*p, kPidOption));
    DeviceServices& device = *Services();
    Sheet()->RunProcedure(
        this, [&device, p, attempts] { return device.WriteParameterRequest(*p, attempts); },
        [this, p, old, kind](int result) {
            // A refused value is not shown as if the device had it.
            if (result != 0) {
                p->value = old;
                selector->Select(selector->findText(QString::fromStdString(old)));
            } else {
                selectorUnread = false;
                editing->SetStart(true);
            }
            if (IsRegulatorKind(kind))
                Setup(true);
            else if (result == 0 || selectorUnread)
                Sheet()->EnableNext(true);
        });
}

void ParameterListPage::OnSquareRootChosen(int index) {
    Parameter* type =
        FindShown(Services()->Link().Table(), "CAL.t", SquareRootIndex(State().PageKind));
    if (type == nullptr || index < 0)
        return;
    SetChoice(*type, index == 1 ? kSquareRootOption : kNoSquareRootOption);
    DeviceServices& device = *Services();
    Sheet()->RunProcedure(this, [&device, type] { return device.WriteParameterRequest(*type, 2); });
}

int ParameterListPage::GetNextPageId() {
    if (reading)
        return -1;
    list->CloseEditor();
    if (selectorUnread) {
        Setup(false);
        return -1;
    }
    const WizardState& s = State();
    const int kind = s.PageKind;
    const int modification = s.Modification;
    DeviceServices& device = *Services();
    DeviceWorker::Job job = [] { return kGoOn; };
    if (ScreenOfKind(kind, true) == Screen::ComputingBlock) {
        Parameter* inputs = FindShown(device.Link().Table(), "n.in.c", 8 * s.ChannelPosition);
        if (inputs && inputs->changed)
            job = [&device, inputs] {
                return device.WriteParameterRequest(*inputs, 1) == 0 ? kGoOn : kStay;
            };
    } else if (WritesLinksOnNext(kind, modification)) {
        const int k = s.CurrentChannelIndex();
        const int count = s.ChannelCount;
        job = [&device, kind, k, count] {
            StatusLineProgress progress(device.Status());
            OutputLinks links(device.Operations(), device.Link().Table(), progress);
            const LinkWriteOutcome outcome = kind == kOutputLinksKind
                                                 ? links.WriteOutputLinks(count)
                                                 : links.WriteGateValveOutputs(k, kind, {});
            return outcome == LinkWriteOutcome::Written  ? kGoOn
                   : outcome == LinkWriteOutcome::Failed ? kReread
                                                         : kStay;
        };
    }
    // Also after an edit the closed editor is still writing: the jobs run in turn.
    Sheet()->RunProcedure(this, std::move(job), [this](int result) {
        if (result == kGoOn)
            Advance();
        else if (result == kReread)
            RequestTable(State().PageKind, false);
    });
    return -1;
}

void ParameterListPage::Advance() {
    WizardState& s = State();
    const int k = s.CurrentChannelIndex();
    int kind = s.PageKind + 1;
    while (kind <= kLastPageKind && !s.PageEnabled(k, kind))
        ++kind;
    s.PageKind = kind;
    if (Setup(false))
        return;
    const bool graphInWalk = TraitsOf(s.Modification).graph == GraphUse::InWalk;
    Sheet()->ShowPageById(graphInWalk ? GraphPage::kDialogId : ServicePage::kDialogId);
}

int ParameterListPage::GetPrevPageId() {
    if (reading)
        return -1;
    WizardState& s = State();
    const int k = s.CurrentChannelIndex();
    int kind = std::min(s.PageKind.load(), kLastPageKind + 1) - 1;
    while (kind >= kFirstPageKind && !s.PageEnabled(k, kind))
        --kind;
    if (kind >= kFirstPageKind) {
        StepTo(kind);
        return -1;
    }
    const ModificationTraits& t = TraitsOf(s.Modification);
    return t.channelPage == ChannelPage::None ? ChannelCountPage::kDialogId : ChannelPageId(t);
}

void ParameterListPage::StepTo(int kind) {
    list->CloseEditor();
    State().PageKind = kind;
    Setup(false);
}

void ParameterListPage::OnControlHover(Parameter* parameter, bool hasParameter) {
    if (popup)
        popup->Hover(parameter, hasParameter);
    UpdateChannelLabel();
}

// The channel's number over the picture, where the channels are walked one
// at a time; the help box covers it.
void ParameterListPage::UpdateChannelLabel() {
    if (!channelLabel)
        return;
    const WizardState& s = State();
    const bool oneChannel = TraitsOf(s.Modification).channelPage != ChannelPage::None;
    channelLabel->setText(QString("Канал №%1").arg(s.CurrentChannelIndex() + 1));
    channelLabel->setVisible(comment->isHidden() && oneChannel);
}
