// The drop-down editor of list parameters and the combo boxes themselves.

#include "ListFixture.h"
#include "config/WizardState.h"

#include <QAbstractItemView>
#include <QImage>
#include <QTest>

namespace {

class InPlaceCombo : public ListFixture {
protected:
    void SetUp() override { sheet.state.Modification = 3; }

    Parameter& AddOutput(const std::string& value) {
        Parameter& p = AddRow({"OP", "не_подключен:ВЭ №1:ВЭ №2:ВЭ №3", 0, 0, value});
        // ВЭ №2 does not exist in modification 3.
        p.choiceMasks = {0, 0, 1u << 2, 0};
        return p;
    }

    // Picks entry (1 or later) with the arrow key and Enter, as an operator can.
    void Choose(CmyComboBox1& combo, int entry) {
        combo.setCurrentIndex(entry - 1);
        Press(combo, Qt::Key_Down);
        Press(combo, Qt::Key_Return);
        Settle();
    }
};

TEST_F(InPlaceCombo, OffersTheAllowedChoicesWithTheValueSelected) {
    AddOutput("ВЭ №3");
    CmyComboBox1& combo = OpenCombo(0);
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries << combo.itemText(i);
    EXPECT_EQ(entries, QStringList({"не подключен", "ВЭ №1", "ВЭ №3"}));
    EXPECT_EQ(combo.currentText(), "ВЭ №3");
    EXPECT_FALSE(combo.Undetermined());
    EXPECT_TRUE(combo.hasFocus());
}

TEST_F(InPlaceCombo, AValueNotOfferedLeavesItUndetermined) {
    AddOutput("ВЭ №2");
    CmyComboBox1& combo = OpenCombo(0);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_TRUE(combo.Undetermined());
}

TEST_F(InPlaceCombo, ChoosingWritesAndAppliesTheRowRules) {
    Parameter& p = AddOutput("не подключен");
    Choose(OpenCombo(0), 1);
    EXPECT_EQ(list->Combo(), nullptr);
    EXPECT_EQ(p.value, "ВЭ №1");
    EXPECT_EQ(list->CellText(0, 2), "ВЭ №1");
    ASSERT_EQ(sheet.writes.size(), 1u);
    EXPECT_EQ(sheet.writes[0].value, "ВЭ №1");
    EXPECT_EQ(sheet.nextStates, std::vector<bool>({true}));
}

TEST_F(InPlaceCombo, ArrowKeysWriteNothingUntilEnter) {
    AddOutput("не подключен");
    CmyComboBox1& combo = OpenCombo(0);
    Press(combo, Qt::Key_Down);
    Press(combo, Qt::Key_Down);
    EXPECT_TRUE(sheet.writes.empty());
    EXPECT_EQ(list->Combo(), &combo);
    Press(combo, Qt::Key_Return);
    Settle();
    ASSERT_EQ(sheet.writes.size(), 1u);
    EXPECT_EQ(sheet.writes[0].value, "ВЭ №3");
    EXPECT_EQ(list->Combo(), nullptr);
}

TEST_F(InPlaceCombo, EnterOnTheShownEntryClosesWithoutWriting) {
    AddOutput("ВЭ №1");
    Press(OpenCombo(0), Qt::Key_Return);
    Settle();
    EXPECT_EQ(list->Combo(), nullptr);
    EXPECT_TRUE(sheet.writes.empty());
}

TEST_F(InPlaceCombo, ChoosingTheSameEntryWritesAndDecidesNothing) {
    AddOutput("ВЭ №1");
    Choose(OpenCombo(0), 1);
    EXPECT_TRUE(sheet.writes.empty());
    EXPECT_TRUE(sheet.nextStates.empty());
}

TEST_F(InPlaceCombo, RefusedWriteShowsTheOldValueAgainAndNextFollowsIt) {
    sheet.refuseWrites = true;
    Parameter& p = AddOutput("не подключен");
    Choose(OpenCombo(0), 2);
    EXPECT_EQ(p.value, "не подключен");
    EXPECT_EQ(list->CellText(0, 2), "не подключен");
    EXPECT_EQ(sheet.nextStates, std::vector<bool>({false})) << "the rules saw the held value";
    EXPECT_TRUE(sheet.reads.empty()) << "a refusal of a known value needs no read";
}

TEST_F(InPlaceCombo, EscapeAndFocusLossCloseWithoutTaking) {
    Parameter& p = AddOutput("не подключен");
    CmyComboBox1& combo = OpenCombo(0);
    combo.setCurrentIndex(1);
    Press(combo, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(list->Combo(), nullptr);

    OpenCombo(0).setCurrentIndex(2);
    LeaveEditor();
    EXPECT_EQ(list->Combo(), nullptr);
    EXPECT_EQ(p.value, "не подключен");
    EXPECT_EQ(list->CellText(0, 2), "не подключен");
    EXPECT_TRUE(sheet.writes.empty());
}

TEST(CmyComboBox, PageControlStaysOnEscapeAndFocusLoss) {
    QWidget window;
    auto* combo = new CmyComboBox1(false, &window);
    auto* other = new QLineEdit(&window);
    combo->addItems({"Нет", "Да"});
    combo->move(0, 0);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Escape);
    other->setFocus();
    EXPECT_TRUE(combo->isVisible());
    EXPECT_FALSE(combo->CloseOnLeave());
}

// A page's drop-down list in an active window beside another field.
class PageCombo : public ::testing::Test {
protected:
    void SetUp() override {
        combo = new CmyComboBox(&window, false);
        other = new QLineEdit(&window);
        combo->addItems({"Нет", "Да", "Не знаю"});
        combo->setCurrentIndex(-1);
        other->move(0, 40);
        connect();
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
    }
    void connect() {
        QObject::connect(combo, &CmyComboBox::Chosen, [this](int i) { chosen.push_back(i); });
    }
    // One key a character: QTest aborts on Cyrillic text.
    void Type(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(combo, &press);
    }
    void Keys(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(combo, key);
    }

    QWidget window;
    CmyComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    std::vector<int> chosen;
};

struct CommitCase {
    const char* name;
    int start; // the entry shown before
    std::vector<Qt::Key> keys;
    bool leave;               // the focus goes to the other field afterwards
    std::vector<int> chosen;  // what the page learns
};

const CommitCase kCommitCases[] = {
    {"ArrowsAlone", -1, {Qt::Key_Down, Qt::Key_Down}, false, {}},
    {"ArrowsThenEnter", -1, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, false, {1}},
    {"ArrowsThenLeaving", -1, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, true, {2}},
    {"BackWhereItWas", 1, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, true, {}},
    {"EnterTwice", -1, {Qt::Key_Down, Qt::Key_Return, Qt::Key_Return}, true, {0}},
    {"HomeEnd", 1, {Qt::Key_Home, Qt::Key_End}, true, {2}},
};

class CommitCases : public PageCombo, public testing::WithParamInterface<CommitCase> {};

TEST_P(CommitCases, OneChoiceForTheEntryCommitted) {
    const CommitCase& c = GetParam();
    combo->setCurrentIndex(c.start);
    for (Qt::Key key : c.keys)
        QTest::keyClick(combo, key, Qt::NoModifier);
    if (c.leave)
        other->setFocus();
    EXPECT_EQ(chosen, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(CmyComboBox, CommitCases, testing::ValuesIn(kCommitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageCombo, TypingSearchesOnlyWhereAllowed) {
    Type("Д");
    EXPECT_EQ(combo->currentIndex(), 1) << "typing searches by default";
    EXPECT_TRUE(chosen.empty());
    other->setFocus();
    EXPECT_EQ(chosen, std::vector<int>({1}));
    combo->setFocus();
    combo->SetTypingSearches(false);
    for (const char* typed : {"Н", "2"})
        Type(typed);
    EXPECT_EQ(combo->currentIndex(), 1);
    other->setFocus();
    EXPECT_EQ(chosen, std::vector<int>({1}));
}

TEST_F(PageCombo, ThePageSelectingItselfEndsTheBrowsing) {
    Keys({Qt::Key_Down, Qt::Key_Down});
    combo->setCurrentIndex(0); // as a page does after a refused write
    other->setFocus();
    EXPECT_TRUE(chosen.empty());
}

TEST_F(PageCombo, AChoiceFromTheDroppedListCountsAtOnceAlsoWhenShown) {
    combo->setCurrentIndex(1);
    emit combo->activated(1); // as the dropped list does
    EXPECT_EQ(chosen, std::vector<int>({1}));
    other->setFocus();
    EXPECT_EQ(chosen, std::vector<int>({1}));
}

TEST_F(PageCombo, EnterWithNothingBrowsedGoesOnToTheWindow) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(combo, &enter);
    EXPECT_FALSE(enter.isAccepted());
    Keys({Qt::Key_Down});
    QKeyEvent commit(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(combo, &commit);
    EXPECT_TRUE(commit.isAccepted());
}

// Counts the pixels of a colour in a grabbed widget.
int CountColour(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(CmyComboBox1, SaysUndeterminedOnlyWithoutASelection) {
    CmyComboBox1 combo(false);
    combo.addItems({"Термопара", "Термосопротивление"});
    combo.resize(200, 24);
    const QColor red(200, 0, 0);
    combo.Select(-1);
    EXPECT_GT(CountColour(combo, red), 0);
    combo.Select(1);
    EXPECT_FALSE(combo.Undetermined());
    EXPECT_EQ(CountColour(combo, red), 0);
}

TEST(CmyComboBox1, DropsDownAsWideAsItsWidestEntry) {
    CmyComboBox1 combo(false);
    combo.resize(60, 24);
    const QString widest = "Датчик положения задвижки токовый";
    combo.addItems({"1", widest, "2"});
    const QFontMetrics metrics(combo.font());
    const int narrow = combo.DropDownWidth();
    EXPECT_GT(narrow, metrics.horizontalAdvance(widest));
    for (int i = 0; i < combo.maxVisibleItems(); ++i)
        combo.addItem("x");
    EXPECT_GT(combo.DropDownWidth(), narrow) << "a scrolling list needs room for its bar";
    combo.showPopup();
    EXPECT_GE(combo.view()->width(), metrics.horizontalAdvance(widest));
    combo.hidePopup();
}

} // namespace
