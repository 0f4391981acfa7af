// Values typed into the edit box: checked against the parameter, written
// through the sheet or refused with the range, and the cell kept in step.

#include "ListFixture.h"

#include <QScrollBar>
#include <QTest>

namespace {

struct TypedCase {
    const char* title;
    RowShape shape;
    QString typed;
    std::string kept;    // value text afterwards
    std::string message; // warning shown, empty for none
    bool written;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.title;
}

class TypedValues : public ListFixture, public ::testing::WithParamInterface<TypedCase> {};

const TypedCase kTypedCases[] = {
    {"RealWithinRange", {"Pb", "STORED_DOT", -100, 100, "5.000"}, "12.5", "12.500", "", true},
    {"RealAboveRange",
     {"Pb", "STORED_DOT", -100, 100, "5.000"},
     "150",
     "5.000",
     "Параметру Pb не может быть присвоено значение 150.\nЗначение должно быть от -100.000 до "
     "100.000.",
     false},
    {"RealNotANumber",
     {"Pb", "STORED_DOT", -100, 100, "5.000"},
     "abc",
     "5.000",
     "Параметру Pb не может быть присвоено значение abc.\nЗначение должно быть от -100.000 до "
     "100.000.",
     false},
    {"IntegerWithinRange", {"Addr", "DEC_dot", 0, 255, "16"}, "200", "200", "", true},
    {"IntegerWithFraction",
     {"Addr", "DEC_dot", 0, 255, "16"},
     "2.5",
     "16",
     "Параметру Addr не может быть присвоено значение 2.5.\nЗначение должно быть от 0.000 до "
     "255.000.",
     false},
    {"TimeWithinRange", {"t.lba", "CLK_frm", 0, 5400, "60"}, "30:00", "30:00", "", true},
    {"TimeAboveRangeInMinutes",
     {"t.lba", "CLK_frm", 0, 5400, "60"},
     "95:00",
     "60",
     "Параметру t.lba не может быть присвоено значение 95:00.\nЗначение должно быть от 00:00 до "
     "90:00.",
     false},
    {"NotAvailableMeansNoData",
     {"Pb", "STORED_DOT", -100, 100, "5.000"},
     "Н/Д",
     "5.000",
     "Параметру Pb не может быть присвоено значение Нет данных.\nЗначение должно быть от "
     "-100.000 до 100.000.",
     false},
    {"SameTextAgain", {"Addr", "DEC_dot", 0, 255, "16"}, "16", "16", "", false},
    {"UnreadValueLeftAsShown",
     {"Addr", "DEC_dot", 0, 255, "Нет данных"},
     "Н/Д",
     "Нет данных",
     "",
     false},
};

TEST_P(TypedValues, EnterTakesTheTextOrRefusesIt) {
    const TypedCase& c = GetParam();
    Parameter& p = AddRow(c.shape);
    CmyEdit& edit = OpenEdit(0);
    Type(edit, c.typed);
    if (!c.message.empty())
        prompter.Script(PromptAnswer::Ok);
    Press(edit, Qt::Key_Return);
    Settle();

    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(p.value, c.kept);
    EXPECT_EQ(list->CellText(0, 2), c.kept);
    const std::vector<Prompt> shown = TakeShown();
    if (c.message.empty()) {
        EXPECT_TRUE(shown.empty());
    } else {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(shown[0].caption, "Значение параметра");
        EXPECT_EQ(shown[0].icon, PromptIcon::Warning);
    }
    ASSERT_EQ(sheet.writes.size(), c.written ? 1u : 0u);
    if (c.written) {
        EXPECT_EQ(sheet.writes[0].value, c.kept);
        EXPECT_EQ(sheet.writes[0].attempts, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, TypedValues, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.title); });

using EditBox = ListFixture;

TEST_F(EditBox, OpensWithValueSelectedAndNotAvailableForUnread) {
    AddRow({"Pb", "STORED_DOT", -100, 100, "5.000"});
    AddRow({"Addr", "DEC_dot", 0, 255, "Нет данных"});
    CmyEdit& edit = OpenEdit(0);
    EXPECT_EQ(edit.text(), "5.000");
    EXPECT_EQ(edit.selectedText(), "5.000");
    EXPECT_TRUE(edit.hasFocus());
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    Press(edit, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(OpenEdit(1).text(), "Н/Д");
}

TEST_F(EditBox, EscapeLeavesTheCellAndWritesNothing) {
    Parameter& p = AddRow({"Pb", "STORED_DOT", -100, 100, "5.000"});
    CmyEdit& edit = OpenEdit(0);
    Type(edit, "42");
    Press(edit, Qt::Key_Escape);
    Settle();
    LeaveEditor();
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(p.value, "5.000");
    EXPECT_EQ(list->CellText(0, 2), "5.000");
    EXPECT_TRUE(sheet.writes.empty());
}

TEST_F(EditBox, LosingTheFocusTakesTheText) {
    Parameter& p = AddRow({"Pb", "STORED_DOT", -100, 100, "5.000"});
    Type(OpenEdit(0), "7");
    LeaveEditor();
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(p.value, "7.000");
    ASSERT_EQ(sheet.writes.size(), 1u);
}

TEST_F(EditBox, ScrollingTakesTheTextAndClosesTheBox) {
    for (int i = 0; i < 30; ++i)
        AddRow({"Pb", "STORED_DOT", -100, 100, "5.000", i});
    Type(OpenEdit(0), "8");
    list->verticalScrollBar()->setValue(5);
    Settle();
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_EQ(parameters[0].value, "8.000");
    EXPECT_EQ(sheet.writes.size(), 1u);
}

TEST_F(EditBox, ResizingAColumnClosesTheBox) {
    AddRow({"Pb", "STORED_DOT", -100, 100, "5.000"});
    CmyEdit& edit = OpenEdit(0);
    Press(edit, Qt::Key_Escape);
    Settle();
    OpenEdit(0);
    list->setColumnWidth(2, 120);
    Settle();
    EXPECT_EQ(list->Edit(), nullptr);
    EXPECT_TRUE(sheet.writes.empty()) << "the unchanged text must not be written";
}

TEST_F(EditBox, HintNamesTheParameterAndItsRange) {
    Parameter& real = AddRow({"Pb", "STORED_DOT", 0.5, 99.5, "5.000"});
    real.displayName = "Полоса пропорциональности";
    AddRow({"del", "CLK_frm", 0, 5400, "60"});
    CmyEdit& first = OpenEdit(0);
    EXPECT_EQ(first.TipTitle(), "Полоса пропорциональности (Pb)");
    EXPECT_EQ(first.TipText(),
              "Значение параметра должно быть вещественного типа, от 0.500 до 99.500.");
    Press(first, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(OpenEdit(1).TipText(), "Значение параметра должно быть целого типа, от 0 до 5400.");
}

TEST_F(EditBox, DeferredRowKeepsTheValueWithoutWriting) {
    Parameter& p = AddRow({"bPS", "DEC_dot", 0, 115200, "9600"}, CmyListCtrl::kRowDeferred);
    Type(OpenEdit(0), "19200");
    LeaveEditor();
    EXPECT_EQ(p.value, "19200");
    EXPECT_EQ(list->CellText(0, 2), "19200");
    EXPECT_TRUE(sheet.writes.empty());
}

TEST_F(EditBox, AListThatKeepsItsValuesWritesNothing) {
    EditThrough(nullptr);
    Parameter& p = AddRow({"Addr", "DEC_dot", 0, 255, "16"});
    Type(OpenEdit(0), "17");
    LeaveEditor();
    EXPECT_EQ(p.value, "17");
    EXPECT_TRUE(sheet.writes.empty());
}

TEST_F(EditBox, RefusedWriteRestoresTheOldValue) {
    sheet.refuseWrites = true;
    Parameter& p = AddRow({"Addr", "DEC_dot", 0, 255, "16"});
    Type(OpenEdit(0), "17");
    LeaveEditor();
    ASSERT_EQ(sheet.writes.size(), 1u);
    EXPECT_EQ(sheet.writes[0].value, "17");
    EXPECT_EQ(p.value, "16");
    EXPECT_FALSE(p.changed) << "the restored value is the device's own";
    EXPECT_EQ(list->CellText(0, 2), "16");
}

struct PowerCase {
    const char* title;
    QString typed;
    std::vector<std::string> boxes; // texts shown in order
    std::string kept;
};

void PrintTo(const PowerCase& c, std::ostream* os) {
    *os << c.title;
}

class PowerSetpoint : public ListFixture, public ::testing::WithParamInterface<PowerCase> {};

const PowerCase kPowerCases[] = {
    {"AboveOne",
     "1.5",
     {"Мощность лежит в диапазоне от 0 до 1. Значение будет округлено до 1.000"},
     "1.000"},
    {"BelowZero",
     "-2",
     {"Мощность лежит в диапазоне от 0 до 1. Значение будет округлено до 0.000"},
     "0.000"},
    {"Within", "0.25", {}, "0.250"},
    {"NotANumber",
     "x",
     {"Некорректное значение!",
      "Параметру Sp.lu не может быть присвоено значение x.\nЗначение должно быть от 0.000 до "
      "1.000."},
     "0.500"},
};

TEST_P(PowerSetpoint, PowerIsKeptBetweenZeroAndOne) {
    const PowerCase& c = GetParam();
    AddRow({"P.-Sp", "Уставка:Мощность", 0, 0, "Мощность"});
    Parameter& sp = AddRow({"Sp.lu", "STORED_DOT", 0, 1, "0.500"});
    for (std::size_t i = 0; i < c.boxes.size(); ++i)
        prompter.Script(PromptAnswer::Ok);
    Type(OpenEdit(1), c.typed);
    LeaveEditor();
    const std::vector<Prompt> shown = TakeShown();
    ASSERT_EQ(shown.size(), c.boxes.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i].text, c.boxes[i]);
    EXPECT_EQ(sp.value, c.kept);
}

INSTANTIATE_TEST_SUITE_P(SpLu, PowerSetpoint, ::testing::ValuesIn(kPowerCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(EditBox, SetpointIsNotAPowerWhenTheModeSaysSo) {
    AddRow({"P.-Sp", "Уставка:Мощность", 0, 0, "Уставка"});
    Parameter& sp = AddRow({"Sp.lu", "STORED_DOT", -9999, 9999, "0.500"});
    Type(OpenEdit(1), "250");
    LeaveEditor();
    EXPECT_EQ(sp.value, "250.000");
}

} // namespace
