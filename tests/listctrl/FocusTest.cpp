// Keyboard and mouse focus past grey rows, the page's help notification,
// when editing may start, and the columns' fit to a scroll bar.

#include "ListFixture.h"

#include "controls/LayoutFont.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

namespace {

using ListFocus = ListFixture;

struct MoveCase {
    const char* title;
    std::vector<bool> enabled;
    int from;
    Qt::Key key;
    int to;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << c.title;
}

class FocusMove : public ListFixture, public ::testing::WithParamInterface<MoveCase> {};

const MoveCase kMoveCases[] = {
    {"DownOverGreyRows", {true, false, false, true}, 0, Qt::Key_Down, 3},
    {"UpOverGreyRows", {true, false, false, true}, 3, Qt::Key_Up, 0},
    {"DownIntoOnlyGreyStays", {true, true, false, false}, 1, Qt::Key_Down, 1},
    {"UpIntoOnlyGreyStays", {false, true, true}, 1, Qt::Key_Up, 1},
    {"EndOnGreyFindsTheLastEnabledBelow", {true, false, true, false}, 0, Qt::Key_End, 2},
    {"PlainStep", {true, true, true}, 0, Qt::Key_Down, 1},
};

TEST_P(FocusMove, FocusSkipsGreyRows) {
    const MoveCase& c = GetParam();
    for (bool enabled : c.enabled)
        AddRow({"db", "DEC_dot", 0, 10, "1"}, enabled ? 0 : CmyListCtrl::kRowDisabled);
    list->FocusRow(c.from);
    list->setFocus();
    Press(*list, c.key);
    EXPECT_EQ(list->currentRow(), c.to);
}

INSTANTIATE_TEST_SUITE_P(Keys, FocusMove, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(ListFocus, ClickOnAGreyRowMovesOnFromTheLastFocused) {
    AddRow({"db", "DEC_dot", 0, 10, "1"});
    AddRow({"Pb", "DEC_dot", 0, 10, "1"}, CmyListCtrl::kRowDisabled);
    AddRow({"ti", "DEC_dot", 0, 10, "1"});
    AddRow({"td", "DEC_dot", 0, 10, "1"});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
    ASSERT_EQ(list->currentRow(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(ListFocus, FocusedRowTellsThePageWhatToExplain) {
    Parameter& first = AddRow({"db", "DEC_dot", 0, 10, "1"});
    AddCaption("Регулятор");
    AddRow({"Pb", "DEC_dot", 0, 10, "1"});
    QSignalSpy spy(list, &CmyListCtrl::ControlHover);
    list->FocusRow(0);
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_EQ(spy.last().at(0).toBool(), true);
    EXPECT_EQ(spy.last().at(1).value<Parameter*>(), &first);

    list->FocusRow(1);
    EXPECT_EQ(spy.last().at(0).toBool(), false);
    list->FocusRow(0);
    list->SetRowDisabled(0, true);
    EXPECT_EQ(spy.last().at(0).toBool(), false) << "a row greyed under the focus";

    list->ClearRows();
    EXPECT_EQ(spy.last().at(0).toBool(), false);
    EXPECT_EQ(spy.last().at(1).value<Parameter*>(), nullptr);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(list->RowFlags(0), 0);
}

struct StartCase {
    const char* title;
    std::uint8_t settings;
    std::uint8_t flags;
    int column;
    bool opens;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.title;
}

class EditStart : public ListFixture, public ::testing::WithParamInterface<StartCase> {};

const StartCase kStartCases[] = {
    {"ValueColumn", 10, 0, 2, true},
    {"NameColumn", 10, 0, 1, false},
    {"ReadOnly", 11, 0, 2, false},
    {"Caption", 10, CmyListCtrl::kRowCaption, 2, false},
    {"Disabled", 10, CmyListCtrl::kRowDisabled, 2, false},
    {"Deferred", 10, CmyListCtrl::kRowDeferred, 2, true},
    {"FromTheFirstColumnOn", 6, 0, 1, true},
};

TEST_P(EditStart, OpensOnlyWhereEditingIsAllowed) {
    const StartCase& c = GetParam();
    list->Setup(c.settings);
    AddRow({"db", "DEC_dot", 0, 10, "1"}, c.flags);
    list->StartEdit(0, c.column);
    EXPECT_EQ(list->Edit() != nullptr, c.opens);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditStart, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(ListFocus, RowWithoutParameterOpensNothing) {
    list->InsertRow(0, "Пусто", 0);
    list->StartEdit(0, 2);
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(list->Combo(), nullptr);
}

int WidthSum(const CmyListCtrl& list) {
    return list.columnWidth(0) + list.columnWidth(1) + list.columnWidth(2);
}

TEST_F(ListFocus, FitColumnsLeavesRoomForTheScrollBar) {
    const std::array<int, 3> widths{150, 55, 81};
    for (int i = 0; i < 3; ++i)
        AddRow({"db", "DEC_dot", 0, 10, "1", i});
    EXPECT_FALSE(list->FitColumns(widths));
    EXPECT_EQ(WidthSum(*list), 286);
    EXPECT_EQ(list->columnWidth(2), 81);

    for (int i = 3; i < 40; ++i)
        AddRow({"db", "DEC_dot", 0, 10, "1", i});
    EXPECT_TRUE(list->FitColumns());
    const int share = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) / 3;
    EXPECT_GT(share, 0);
    EXPECT_EQ(WidthSum(*list), 286 - 3 * share);
    EXPECT_EQ(list->columnWidth(2), 81 - share);
}

// The column titles and names show whole, descriptions and values wrap
// onto the lines they need, and the list keeps its width.
TEST_F(ListFocus, FitColumnsKeepsEveryTextWhole) {
    const QString title = "Параметр параметра";
    list->setHorizontalHeaderItem(1, new QTableWidgetItem(title));
    AddRow({"LongName", "DEC_dot", 0, 10, "Выходной элемент №2", 0});
    list->SetCellText(0, 0, "Полоса цифрового фильтра входа 1 (0 - фильтр выключен)");
    list->SetCellText(0, 2, "Выходной элемент №2");
    // The layout's widths, grown with the font as the list's letters are.
    const std::array<int, 3> widths{LayoutFont::Pixels(150), LayoutFont::Pixels(55), LayoutFont::Pixels(81)};
    list->FitColumns(widths);
    EXPECT_EQ(WidthSum(*list), widths[0] + widths[1] + widths[2]);
    const QFontMetrics header(list->horizontalHeader()->font());
    EXPECT_GE(list->columnWidth(1), header.horizontalAdvance(title));
    const QFontMetrics cells(list->font());
    EXPECT_LT(list->columnWidth(0), cells.horizontalAdvance(list->item(0, 0)->text()));
    EXPECT_GE(list->rowHeight(0), 2 * cells.height()) << "the description wraps";
}

TEST_F(ListFocus, FindsRowsByNameIgnoringCase) {
    AddRow({"OP", "DEC_dot", 0, 0, "0", 0});
    AddRow({"db", "DEC_dot", 0, 0, "0", 0});
    AddRow({"op", "DEC_dot", 0, 0, "0", 2});
    EXPECT_EQ(list->FindRow("Op", 2), 2);
    EXPECT_EQ(list->FindRow("op", -1), 0);
    EXPECT_EQ(list->FindRow("op", 4), -1);
}

} // namespace
