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

    // Picks entry (1 or later) with the arrow key, as an operator can.
    void Choose(CmyComboBox1& combo, int entry) {
        combo.setCurrentIndex(entry - 1);
        Press(combo, Qt::Key_Down);
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

TEST_F(InPlaceCombo, ChoosingTheSameEntryWritesNothing) {
    AddOutput("ВЭ №1");
    Choose(OpenCombo(0), 1);
    EXPECT_TRUE(sheet.writes.empty());
    EXPECT_EQ(sheet.nextStates, std::vector<bool>({true}));
}

TEST_F(InPlaceCombo, RefusedWriteShowsTheOldValueAgain) {
    sheet.refuseWrites = true;
    Parameter& p = AddOutput("не подключен");
    Choose(OpenCombo(0), 2);
    EXPECT_EQ(p.value, "не подключен");
    EXPECT_EQ(list->CellText(0, 2), "не подключен");
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
