#include "GuiWait.h"
#include "controls/CmyRichEditCtrl.h"
#include "shell/ParameterHelpPopup.h"
#include "shell/WizardPage.h"

#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

// The character format at a text position (of the character after it).
QTextCharFormat FormatAt(CmyRichEditCtrl& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(ShowComment, WritesTitleHeadingsAndTextsInTheirFormats) {
    WizardPage page(107);
    CmyRichEditCtrl edit(&page);
    edit.setPlainText("old text");
    page.ShowComment("Уставка (\"SP\")", "Первая\\nвторая", "от 0.000 до 5.000", &edit);

    const QString text = edit.toPlainText();
    EXPECT_EQ(text, "Уставка (\"SP\")\n\nКОММЕНТАРИЙ: Первая\nвторая\n\nДИАПАЗОН ЗНАЧЕНИЙ: от 0.000 до 5.000");

    struct Row {
        QString at;
        QColor colour;
        double points;
        QString family;
        bool emphasised;
    } rows[] = {
        {"Уставка", QColor(0, 0, 200), 12, "Georgia", true},
        {"КОММЕНТАРИЙ", QColor(200, 0, 0), 11, "Arial", false},
        {"вторая", Qt::black, 11, "Arial", false},
        {"ДИАПАЗОН", QColor(200, 0, 0), 11, "Arial", false},
        {"от 0.000", Qt::black, 11, "Arial", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.at.toStdString());
        const QTextCharFormat format = FormatAt(edit, text.indexOf(row.at));
        EXPECT_EQ(format.foreground().color(), row.colour);
        EXPECT_EQ(format.fontPointSize(), row.points);
        EXPECT_EQ(format.fontFamilies().toStringList().value(0), row.family);
        EXPECT_EQ(format.fontWeight() == QFont::Bold, row.emphasised);
        EXPECT_EQ(format.fontUnderline(), row.emphasised);
        EXPECT_FALSE(format.fontItalic());
    }
}

TEST(ShowComment, LeavesOutEmptySections) {
    WizardPage page(107);
    CmyRichEditCtrl edit(&page);
    page.ShowComment("T", "", "R", &edit);
    EXPECT_EQ(edit.toPlainText(), "T\n\nДИАПАЗОН ЗНАЧЕНИЙ: R");
    page.ShowComment("T", "C", "", &edit);
    EXPECT_EQ(edit.toPlainText(), "T\n\nКОММЕНТАРИЙ: C");
}

class ParameterHelpPopupTest : public testing::Test {
protected:
    ParameterHelpPopupTest() {
        edit->hide();
        page.show();
    }

    ParameterHelp Help(const Parameter& p) {
        ++lookups;
        if (p.name == "none")
            return {"Нет (\"none\")", "", ""};
        return {"Заголовок (\"" + p.name + "\")", "Комментарий", ""};
    }

    WizardPage page{107};
    CmyRichEditCtrl* edit = new CmyRichEditCtrl(&page);
    ParameterHelpPopup popup{page, *edit, [this](const Parameter& p) { return Help(p); }};
    Parameter first{"SP"};
    Parameter empty{"none"};
    int lookups = 0;
};

TEST_F(ParameterHelpPopupTest, ShowsOverThePictureAndRemembersTheParameter) {
    popup.Hover(&first, true);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->geometry(), QRect(0, 0, 160, 313));
    EXPECT_TRUE(edit->toPlainText().startsWith("Заголовок (\"SP\")"));
    EXPECT_EQ(popup.LastShown(), &first);

    popup.Hover(&first, true);
    EXPECT_EQ(lookups, 1) << "the same parameter is not looked up again";

    popup.Hover(&empty, true);
    EXPECT_EQ(edit->toPlainText(), "Нет (\"none\")\n\nКОММЕНТАРИЙ: Нет данных");
}

TEST_F(ParameterHelpPopupTest, HidesAndForgetsWhenTheMouseLeavesTheParameters) {
    popup.Hover(&first, true);
    popup.Hover(nullptr, false);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(popup.LastShown(), nullptr);
    popup.Hover(&first, true);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(lookups, 2) << "shown again after it was forgotten";
}

} // namespace
