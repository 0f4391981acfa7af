// The wizard from the keyboard alone, against the simulated controller:
// where the focus starts, where Tab takes it, and the keys that edit a list
// value and press Back and Next, checked on the screen and in the journal.

#include "WizardOnSim.h"

#include "config/ModificationFeatures.h"
#include "config/PageKinds.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox1.h"
#include "pages/ChannelCountPage.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/GraphNodeList.h"
#include "pages/GraphPage.h"
#include "pages/ParameterListPage.h"

#include <QApplication>
#include <QSpinBox>
#include <QTest>

namespace {

using Lines = std::vector<std::string>;
using Functions = ChannelFunctionsPage;
using List = ParameterListPage;

class KeyboardOnSim : public WizardOnSim {
protected:
    QWidget* Focus() { return wizard().focusWidget(); }
    // The template id of the focused control (of its owner for a control's inner part).
    std::string FocusName() {
        for (QWidget* w = Focus(); w; w = w->parentWidget())
            if (!w->objectName().isEmpty() && w->objectName().front().isDigit())
                return w->objectName().toStdString();
        return "none";
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), Qt::Key(key), modifiers);
    }
    // Where Tab (or Shift+Tab) takes the focus, count times.
    Lines TabWalk(int count, bool back = false) {
        Lines names;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(Focus(), back ? Qt::Key_Backtab : Qt::Key_Tab);
            names.push_back(FocusName());
        }
        return names;
    }
    // Through the modification page (kept) and the count by keys to the
    // first channel page.
    void ToChannelPage(int modification) {
        StartOnCountPage(modification);
        ASSERT_EQ(FocusName(), std::to_string(ChannelCountPage::kCountId));
        Key(Qt::Key_Down); // "1"
        Key(Qt::Key_Return);
        Key(Qt::Key_Right, Qt::AltModifier);
        ASSERT_TRUE(WaitIdle());
        NewJournal();
    }
    // A parameter screen of the modification's first channel, read.
    void ShowScreen(int modification, int kind) {
        Simulator::Options options;
        options.model.modification = modification;
        StartWizard(options);
        WizardState& s = wizard().State();
        s.Modification = modification;
        s.ChannelCount = 1;
        s.ChannelPosition = 0;
        s.SetFeatures(FeaturesOf(modification));
        for (int row = 0; row < kPageEnableRows; ++row)
            s.SetPageEnableRow(row, InitialPageEnableRow(modification, 1));
        s.PageKind = kind;
        ShowPage(List::kDialogId);
        ASSERT_TRUE(WaitUntil([this] {
            auto* page = dynamic_cast<ParameterListPage*>(wizard().GetActivePage());
            return page && !page->IsReadingTable() && page->isEnabled() && !wizard().IsProcedureRunning();
        }));
        NewJournal();
    }
    static std::string Id(int id) { return std::to_string(id); }
};

const std::string kBack = std::to_string(WizardSheet::kBackId);
const std::string kNext = std::to_string(WizardSheet::kNextId);
const std::string kExit = std::to_string(WizardSheet::kExitId);

TEST_F(KeyboardOnSim, ChannelPageStartsOnItsFirstQuestionAndTabsInReadingOrder) {
    ToChannelPage(4);
    ASSERT_EQ(ActivePageId(), Functions::kDialogId);
    EXPECT_EQ(FocusName(), Id(Functions::kInspectorId));
    // The inputs question waits for the computing block; Next for the answers.
    EXPECT_EQ(TabWalk(7), (Lines{Id(Functions::kComputingId), Id(Functions::kLbaId),
                                 Id(Functions::kFirstElementId), Id(Functions::kSecondElementId),
                                 kBack, kExit, Id(Functions::kInspectorId)}));
    EXPECT_EQ(TabWalk(2, true), (Lines{kExit, kBack}));

    // Answered by keys alone, each answer written once, Next reached by Tab.
    for (int id : {Functions::kInspectorId, Functions::kComputingId, Functions::kLbaId}) {
        Control<QWidget>(id)->setFocus();
        Key(Qt::Key_Down);
        Key(Qt::Key_Return);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(FocusName(), Id(id)) << "the focus stays where the operator answered";
    }
    EXPECT_EQ(NewJournal(), (Lines{"insp[0]=Выключен #0", "cal.t[0]=Повторитель #0",
                                   "lba[0]=Нет контроля #0"}));
    EXPECT_EQ(TabWalk(3), (Lines{Id(Functions::kFirstElementId), kBack, kNext}));

    // Alt+Left goes back, to the count's list.
    Key(Qt::Key_Left, Qt::AltModifier);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId);
    EXPECT_EQ(FocusName(), Id(ChannelCountPage::kCountId));
}

// Each wizard button answers Alt and its underlined letter from inside a
// page; the rows run in turn on one wizard.
struct MnemonicRow {
    const char* name;
    char16_t letter;
    int buttonId;
    int landsOn;
};

const MnemonicRow kMnemonics[] = {
    {"Exit", u'Х', WizardSheet::kExitId, Functions::kDialogId}, // asks, and No keeps the page
    {"Back", u'Н', WizardSheet::kBackId, ChannelCountPage::kDialogId},
    {"Next", u'В', WizardSheet::kNextId, Functions::kDialogId},
};

TEST_F(KeyboardOnSim, AltAndTheUnderlinedLetterPressEachButton) {
    ToChannelPage(4);
    for (const MnemonicRow& row : kMnemonics) {
        SCOPED_TRACE(row.name);
        prompter.Clear();
        const QString text = Button(row.buttonId)->text();
        EXPECT_EQ(text.indexOf(QString("&") + QChar(row.letter), 0, Qt::CaseInsensitive), text.indexOf('&'))
            << text.toStdString();
        const bool exit = row.buttonId == WizardSheet::kExitId;
        if (exit)
            prompter.Script(PromptAnswer::No);
        ASSERT_NE(FocusName(), std::to_string(row.buttonId)) << "the key, not a focused button";
        QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key(row.letter), QString(QChar(row.letter)),
                            Qt::AltModifier);
        // The button shows itself pressed for a moment before it acts.
        ASSERT_TRUE(WaitUntil([&] {
            return exit ? !prompter.Shown().empty() : ActivePageId() == row.landsOn;
        })) << "still on " << ActivePageId() << ", focus on " << FocusName();
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(ActivePageId(), row.landsOn);
        ASSERT_EQ(prompter.Shown().size(), exit ? 1u : 0u);
        if (exit) {
            EXPECT_EQ(prompter.Shown()[0].text, "Хотите выйти из программы?");
        }
    }
    EXPECT_FALSE(wizard().IsExitConfirmed());
}

TEST_F(KeyboardOnSim, ListValueEditedWithF2AndEnterAndLeftWithTab) {
    ShowScreen(1, kInputKind);
    CmyListCtrl& list = *Control<CmyListCtrl>(List::kListId);
    ASSERT_TRUE(Control<CmyComboBox1>(List::kSelectorId)->isVisible());
    EXPECT_EQ(FocusName(), Id(List::kSelectorId));
    EXPECT_EQ(TabWalk(4), (Lines{Id(List::kListId), kBack, kNext, kExit}));
    EXPECT_EQ(TabWalk(2), (Lines{Id(List::kSelectorId), Id(List::kListId)}));

    // A numeric row: F2 opens its box, Esc drops what was typed.
    int row = -1;
    for (int r = 0; r < list.rowCount() && row < 0; ++r)
        if (list.IsRowEnabled(r) && list.RowParameter(r) &&
            list.RowParameter(r)->format == "STORED_DOT")
            row = r;
    ASSERT_GE(row, 0);
    list.FocusRow(row);
    const std::string before = list.CellText(row, 2);
    Key(Qt::Key_F2);
    ASSERT_NE(list.Edit(), nullptr);
    QTest::keyClicks(list.Edit(), "7");
    Key(Qt::Key_Escape);
    EXPECT_EQ(list.Edit(), nullptr);
    EXPECT_EQ(list.CellText(row, 2), before);
    EXPECT_EQ(FocusName(), Id(List::kListId));

    // Enter opens it, Enter takes the value: one write, the page stays.
    Key(Qt::Key_Return);
    ASSERT_NE(list.Edit(), nullptr);
    QTest::keyClicks(list.Edit(), "7");
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(ActivePageId(), List::kDialogId);
    EXPECT_EQ(list.CellText(row, 2), "7.000");
    const Parameter& p = *list.RowParameter(row);
    EXPECT_EQ(NewJournal(), (Lines{p.name + "[" + std::to_string(p.index) + "]=7.000"}));
    EXPECT_EQ(FocusName(), Id(List::kListId));
}

TEST_F(KeyboardOnSim, SetpointScreenReachesItsGraphButton) {
    int kind = kFirstPageKind;
    while (ScreenOfKind(kind, true) != Screen::Setpoint)
        ++kind;
    ShowScreen(1, kind);
    ASSERT_NE(Control<QWidget>(List::kGraphButtonId), nullptr);
    EXPECT_EQ(FocusName(), Id(List::kListId));
    EXPECT_EQ(TabWalk(2), (Lines{Id(List::kGraphButtonId), kBack}));
    TabWalk(1, true);
    Key(Qt::Key_Space);
    ASSERT_TRUE(WaitUntil([this] {
        return ActivePageId() == GraphPage::kDialogId && wizard().GetActivePage()->isEnabled();
    }));
    EXPECT_EQ(FocusName(), Id(GraphPage::kInputId));
}

// Modification 5 walks to the graph; Next waits for two nodes.
TEST_F(KeyboardOnSim, GraphPagePassedWithKeysAlone) {
    ShowScreen(5, kFirstPageKind);
    wizard().State().PageKind = kLastPageKind;
    ShowPage(GraphPage::kDialogId);
    ASSERT_TRUE(WaitUntil([this] { return wizard().GetActivePage()->isEnabled(); }));
    auto* input = Control<CmyComboBox1>(GraphPage::kInputId);
    EXPECT_EQ(FocusName(), Id(GraphPage::kInputId));
    const QString shown = input->currentText();
    for (const char* typed : {"2", "3"}) {
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, typed);
        QApplication::sendEvent(input, &digit);
    }
    EXPECT_EQ(input->currentText(), shown);

    EXPECT_EQ(TabWalk(3), (Lines{Id(GraphPage::kCountUpDownId), Id(GraphPage::kNodeListId), kBack}));
    TabWalk(2, true);
    auto* count = Control<QSpinBox>(GraphPage::kCountUpDownId);
    count->setValue(0);
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(count->value(), 2);
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());

    // F2 edits the focused cell of the node list: X, then Y after Right.
    Key(Qt::Key_Tab);
    auto* nodes = Control<GraphNodeList>(GraphPage::kNodeListId);
    nodes->FocusRow(1);
    Key(Qt::Key_F2);
    ASSERT_NE(nodes->Edit(), nullptr);
    EXPECT_EQ(nodes->EditedColumn(), GraphNodeList::kXColumn);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Right);
    Key(Qt::Key_F2);
    ASSERT_NE(nodes->Edit(), nullptr);
    EXPECT_EQ(nodes->EditedColumn(), GraphNodeList::kYColumn);
}

} // namespace
