#include "WizardWalk.h"

#include "config/PageKinds.h"
#include "controls/CmyComboBox1.h"
#include "controls/CmyListCtrl.h"
#include "pages/ChannelCountPage.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/GateValveChannelPage.h"
#include "pages/GraphNodeList.h"
#include "pages/GraphPage.h"
#include "pages/ModificationPage.h"
#include "pages/ParameterListPage.h"
#include "pages/ServicePage.h"

#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>

using namespace std::chrono_literals;
using List = ParameterListPage;
using Functions = ChannelFunctionsPage;
using Gate = GateValveChannelPage;

PromptAnswer OperatorBoxes::ask(const Prompt& prompt) {
    std::lock_guard<std::mutex> hold(mutex);
    texts.push_back(prompt.caption + ": " + prompt.text);
    if (prompt.text.rfind(kChangeQuestion, 0) == 0)
        return change ? PromptAnswer::Yes : PromptAnswer::No;
    if (prompt.text.rfind(kNeededQuestion, 0) == 0)
        return PromptAnswer::Yes;
    return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
}

std::vector<std::string> OperatorBoxes::Texts() const {
    std::lock_guard<std::mutex> hold(mutex);
    return texts;
}

bool WizardWalk::Busy() {
    const WizardPage* page = wizard().GetActivePage();
    const auto* list = dynamic_cast<const ParameterListPage*>(page);
    return wizard().IsProcedureRunning() || (page && !page->isEnabled()) ||
           (list && list->IsReadingTable());
}

bool WizardWalk::Written(const std::string& prefix) {
    const std::vector<std::string> journal = sim().JournalLines();
    return std::any_of(journal.begin(), journal.end(),
                       [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

void WizardWalk::WalkTo(const WalkRow& row, int pageId) {
    WalkUntil(row, [this, pageId] { return ActivePageId() == pageId; });
}

void WizardWalk::WalkUntil(const WalkRow& row, const std::function<bool()>& done) {
    for (int step = 0; step < 400 && !done() && !HasFatalFailure(); ++step)
        Act(row);
    ASSERT_TRUE(done()) << "walk stopped on page " << ActivePageId();
}

void WizardWalk::Start(const WalkRow& row, FaultSettings faults) {
    Simulator::Options options;
    options.model.modification = row.change ? row.modification % 6 + 1 : row.modification;
    options.model.changeTime = 60ms;
    options.link = LinkConfig{};
    options.link->baud = 115200;
    options.faults = faults;
    options.seed = 7;
    StartWizard(options);
    // The wizard talks at the controller's rate from the start.
    link().Settings().SetValueByName(kBaudName, "115200");
    link().Port().close();
    link().configure_port();
    ASSERT_EQ(link().Port().open(), 0);
    static_cast<ModificationPage*>(wizard().FindPageById(ModificationPage::kDialogId))
        ->SetChangeTiming({30ms, 60});
}

// One operator action on whatever page is shown.
void WizardWalk::Act(const WalkRow& row) {
    switch (ActivePageId()) {
    case kWelcomeId:
        return Press(WizardSheet::kNextId);
    case ModificationPage::kDialogId:
        Control<QListWidget>(ModificationPage::kListId)->setCurrentRow(row.modification - 1);
        return Press(WizardSheet::kNextId);
    case ChannelCountPage::kDialogId:
        Choose(ChannelCountPage::kCountId, QString::number(row.channels));
        return Press(WizardSheet::kNextId);
    case Functions::kDialogId:
    case Gate::kDialogId:
        AnswerChannel(row);
        return Press(WizardSheet::kNextId);
    case List::kDialogId:
        return OnList(row);
    case GraphPage::kDialogId:
        return OnGraph(row);
    case ServicePage::kDialogId:
        if (row.reaction >= 0 && !reacted) {
            auto* reaction = Control<QComboBox>(ServicePage::kReactionId);
            reaction->setCurrentIndex(row.reaction);
            emit reaction->activated(row.reaction);
            ASSERT_TRUE(WaitIdle());
            reacted = sim().Value("behv", 0, chosenReaction) &&
                      chosenReaction == reaction->itemText(row.reaction).toStdString();
        }
        return Press(WizardSheet::kNextId);
    default:
        FAIL() << "unexpected page " << ActivePageId();
    }
}

// The row's answers first, again after a box said one was not written;
// then the first free entry of every open question.
void WizardWalk::AnswerChannel(const WalkRow& row) {
    for (int pass = 0; pass < 10; ++pass) {
        bool answered = false;
        for (const ChannelAnswer& a : row.answers) {
            auto* combo = Control<QComboBox>(a.id);
            if (combo && combo->isVisible() && combo->isEnabled() && combo->currentText() != a.text) {
                Choose(a.id, a.text);
                answered = true;
            }
        }
        if (answered)
            continue;
        QComboBox* open = nullptr;
        QStringList shown;
        for (QComboBox* c : wizard().GetActivePage()->findChildren<QComboBox*>()) {
            if (!c->isVisible())
                continue;
            shown << c->currentText();
            if (!open && c->isEnabled() && c->currentIndex() < 0 && c->count() > 0)
                open = c;
        }
        if (!open)
            return;
        QString text = open->itemText(0);
        for (int i = 0; i < open->count() && shown.contains(text); ++i)
            text = open->itemText(i); // two elements of one channel differ
        Choose(open->objectName().toInt(), text);
    }
}

bool WizardWalk::WaitTable() {
    return WaitUntil([this] {
        auto* page = dynamic_cast<ParameterListPage*>(wizard().GetActivePage());
        return !wizard().IsProcedureRunning() && (!page || !page->IsReadingTable());
    });
}

void WizardWalk::OnList(const WalkRow& row) {
    ASSERT_TRUE(WaitTable());
    CmyListCtrl& list = *Control<CmyListCtrl>(List::kListId);
    auto& selector = *Control<CmyComboBox1>(List::kSelectorId);
    ++screens;
    if (screens == 2 && !wentBack) { // the operator looks back once
        wentBack = true;
        Press(WizardSheet::kBackId);
        ASSERT_TRUE(WaitTable());
        return;
    }
    if (*row.edited && !edited) {
        const int r = list.FindRow(row.edited, -1);
        if (r >= 0 && list.IsRowEnabled(r)) {
            list.StartEdit(r, 2);
            ASSERT_NE(list.Edit(), nullptr);
            list.Edit()->setText(row.typed);
            list.AcceptEdit();
            ASSERT_TRUE(WaitTable());
            std::string value;
            edited = sim().Value(row.edited, list.RowParameter(r)->index, value) &&
                     value.rfind(row.typed, 0) == 0;
        }
    }
    // What the controller holds matches no entry: the first is chosen,
    // again after a box said the write failed. An empty selector with
    // Next on could not be read (its box said so): Next reads it again.
    for (int tries = 0; tries < 3 && !selector.isHidden() && selector.currentIndex() < 0 &&
                        !Button(WizardSheet::kNextId)->isEnabled();
         ++tries) {
        selector.setCurrentIndex(0);
        emit selector.activated(0);
        ASSERT_TRUE(WaitTable());
    }
    if (wizard().State().PageKind == kOutputLinksKind)
        for (int r = 0; r < list.rowCount(); ++r)
            if (list.IsRowEnabled(r)) {
                list.StartEdit(r, 2);
                ASSERT_NE(list.Combo(), nullptr);
                const int i = list.Combo()->findText(QString("Выходной элемент №%1").arg(r + 1));
                list.Combo()->setCurrentIndex(i);
                emit list.Combo()->activated(i);
                ASSERT_TRUE(WaitTable());
            }
    auto* graphButton = Control<QPushButton>(List::kGraphButtonId);
    if (row.graph && !graphed && graphButton && graphButton->isVisible() && graphButton->isEnabled()) {
        graphButton->click();
        ASSERT_TRUE(WaitIdle());
        return;
    }
    Press(WizardSheet::kNextId);
    ASSERT_TRUE(WaitTable());
}

void WizardWalk::OnGraph(const WalkRow& row) {
    auto* count = Control<QSpinBox>(GraphPage::kCountUpDownId);
    if (count->value() < 2)
        count->setValue(2);
    if (row.graph && !graphed) {
        auto* nodes = Control<GraphNodeList>(GraphPage::kNodeListId);
        nodes->StartEdit(1, GraphNodeList::kYColumn);
        ASSERT_NE(nodes->Edit(), nullptr);
        nodes->Edit()->setText("7");
        nodes->AcceptEdit();
    }
    const int channel = 10 * wizard().State().CurrentChannelIndex();
    Press(WizardSheet::kNextId);
    std::string y;
    graphed = graphed || (sim().Value("ordn", channel + 1, y) && y == "7.000");
}
