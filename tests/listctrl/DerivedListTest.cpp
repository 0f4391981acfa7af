// A list whose rows carry two parameters, as the graph page's node list
// does, edits the one of the clicked column; truncated cells show their text.

#include "ListFixture.h"
#include "pages/GraphNodeList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>

namespace {

TEST(DerivedList, EditsTheParameterOfTheClickedColumn) {
    ScriptedPrompter prompter;
    PrompterGuard guard(prompter);
    Parameter x("absc");
    Parameter y("ordn");
    for (Parameter* p : {&x, &y}) {
        p->format = "STORED_DOT";
        p->decimals = 3;
        p->lower = -100;
        p->upper = 100;
        p->value = "1.000";
    }
    GraphNodeList list;
    list.Setup(6);
    list.InsertRow(0, "1.", 0);
    list.SetRowParameters(0, &x, &y);
    list.show();
    for (const auto& [column, typed, target] : {std::tuple{1, "5", &x}, std::tuple{2, "7", &y}}) {
        list.StartEdit(0, column);
        ASSERT_NE(list.Edit(), nullptr);
        list.Edit()->setText(typed);
        list.CloseEditor();
        EXPECT_EQ(target->value, std::string(typed) + ".000");
        EXPECT_EQ(list.CellText(0, column), target->value);
    }
    EXPECT_TRUE(prompter.Shown().empty());
}

using CellTip = ListFixture;

TEST_F(CellTip, ShowsTheWholeTextOfANarrowCell) {
    AddRow({"db", "DEC_dot", 0, 10, "1"});
    AddRow({"Pb", "DEC_dot", 0, 10, "1"}, CmyListCtrl::kRowDisabled);
    list->setColumnWidth(0, 30);
    auto hover = [&](int row, int column) {
        QMouseEvent move(QEvent::MouseMove, CellCentre(row, column),
                         list->viewport()->mapToGlobal(CellCentre(row, column)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    };
    hover(0, 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), "Параметр db");
    hover(0, 1);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000))
        << "a cell wide enough needs no tip";
    hover(1, 0);
    QTest::qWait(400);
    EXPECT_FALSE(QToolTip::isVisible()) << "grey rows get no tip";
}

} // namespace
