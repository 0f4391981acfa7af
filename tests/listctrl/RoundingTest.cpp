// A typed value with more decimals than the parameter keeps: the list, not
// the parameter, tells the operator, and then writes the rounded value.

#include "ListFixture.h"

namespace {

class Rounding : public ListFixture {};

TEST_F(Rounding, TheListSaysTheRoundingAndWritesTheRoundedValue) {
    Parameter& p = AddRow({"Pb", "STORED_DOT", 0, 100, "5.000", 0, 2});
    CmyEdit& edit = OpenEdit(0);
    Type(edit, "12.345");
    prompter.Script(PromptAnswer::Ok);
    Press(edit, Qt::Key_Return);
    Settle();

    EXPECT_EQ(p.value, "12.340");
    EXPECT_EQ(list->CellText(0, 2), "12.340");
    const std::vector<Prompt> shown = TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Значение было округлено с 12.345 до 12.34");
    EXPECT_EQ(shown[0].caption, "Предупреждение");
    ASSERT_EQ(sheet.writes.size(), 1u);
    EXPECT_EQ(sheet.writes[0].value, "12.340");
}

} // namespace
