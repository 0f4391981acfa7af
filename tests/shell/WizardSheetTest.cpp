#include "ScriptedBoxes.h"
#include "shell/DialogUnits.h"
#include "shell/WizardPage.h"
#include "shell/WizardSheet.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

class FakePage : public WizardPage {
public:
    explicit FakePage(int id) : WizardPage(id) {}

    bool OnPageCreated() override {
        ++createdCount;
        return allowCreate;
    }
    void OnPageDestroying() override { ++destroyingCount; }
    bool CanLeavePage() override { return allowLeave; }
    void OnPageShown() override {
        ++shownCount;
        if (enableBackOnShow)
            Sheet()->EnableBack(true);
    }
    bool CanClose() override { return allowClose; }
    int GetPrevPageId() override { return prevId; }
    int GetNextPageId() override {
        if (jump != 0)
            Sheet()->ShowPageAt(Sheet()->GetActivePageIndex() + jump);
        return nextId;
    }

    bool allowCreate = true;
    bool allowLeave = true;
    bool allowClose = true;
    bool enableBackOnShow = true;
    int prevId = 0;
    int nextId = 0;
    int jump = 0;
    int createdCount = 0;
    int destroyingCount = 0;
    int shownCount = 0;
    QLineEdit* edit = nullptr;

protected:
    bool OnInitDialog() override {
        edit = new QLineEdit(this);
        return true;
    }
};

constexpr int kIds[] = {201, 202, 203, 204, 205};

class WizardSheetTest : public testing::Test {
protected:
    void SetUp() override {
        auto* frame = new QWidget(&sheet);
        frame->setObjectName("1010");
        frame->setGeometry(DialogUnits::Rect(0, 0, 320, 193));
        for (int id : kIds) {
            pages.push_back(std::make_unique<FakePage>(id));
            sheet.AddPage(pages.back().get(), id);
        }
        // Like a welcome page, the first page leaves Back off.
        pages.front()->enableBackOnShow = false;
        sheet.SetPageFrameId(1010);
        sheet.ShowFirstPage();
        sheet.show();
        sheet.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    }
    void TearDown() override { sheet.DestroyAllPages(); }

    int Active() const { return sheet.GetActivePageIndex(); }
    FakePage& Page(int i) { return *pages[i]; }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isVisible());
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    WizardSheet sheet;
    ScriptedBoxes prompter;
    std::vector<std::unique_ptr<FakePage>> pages;
};

TEST_F(WizardSheetTest, NextAndBackWalkTheListAndSetTheButtons) {
    EXPECT_EQ(Active(), 0);
    EXPECT_TRUE(Page(0).isVisible());
    EXPECT_FALSE(sheet.BackButton()->isEnabled());
    EXPECT_TRUE(sheet.NextButton()->isEnabled());
    for (int i = 1; i < 5; ++i) {
        Click(sheet.NextButton());
        EXPECT_EQ(Active(), i);
        EXPECT_FALSE(Page(i - 1).isVisible());
        EXPECT_TRUE(Page(i).isVisible());
    }
    EXPECT_FALSE(sheet.NextButton()->isEnabled());
    EXPECT_TRUE(sheet.HasDefaultStyle(sheet.ExitButton()));
    EXPECT_EQ(QApplication::focusWidget(), sheet.ExitButton());

    Click(sheet.BackButton());
    EXPECT_EQ(Active(), 3);
    EXPECT_TRUE(sheet.NextButton()->isEnabled());
    for (int i = 2; i >= 0; --i)
        Click(sheet.BackButton());
    EXPECT_EQ(Active(), 0);
    EXPECT_FALSE(sheet.BackButton()->isEnabled());
}

TEST_F(WizardSheetTest, PagesAreCreatedOnceOnFirstActivationAndPlacedInTheFrame) {
    EXPECT_EQ(Page(2).createdCount, 0);
    EXPECT_FALSE(Page(2).IsCreated());
    sheet.ShowPageAt(2);
    sheet.ShowPageAt(0);
    sheet.ShowPageAt(2);
    EXPECT_EQ(Page(2).createdCount, 1);
    EXPECT_EQ(Page(2).shownCount, 2);
    EXPECT_EQ(Page(2).pos(), QPoint(0, 0));
    EXPECT_EQ(Page(2).parentWidget(), &sheet);
}

struct JumpCase {
    const char* name;
    int nextId;
    int jump;
    int expected;
};

TEST_F(WizardSheetTest, NextFollowsThePageIdConventions) {
    const JumpCase cases[] = {
        {"-1 stays", -1, 0, 1},
        {"0 takes the next in the list", 0, 0, 2},
        {"a dialog id goes to that page", kIds[4], 0, 4},
        {"an unknown id stays", 1, 0, 1},
        {"a relative jump, then an unknown id", 1, 2, 3},
        {"a relative jump backwards", 1, -1, 0},
    };
    for (const JumpCase& c : cases) {
        SCOPED_TRACE(c.name);
        sheet.ShowPageAt(1);
        Page(1).nextId = c.nextId;
        Page(1).jump = c.jump;
        sheet.OnNext();
        EXPECT_EQ(Active(), c.expected);
    }
}

TEST_F(WizardSheetTest, BackFollowsThePageIdConventions) {
    const JumpCase cases[] = {
        {"-1 stays", -1, 0, 3},
        {"0 takes the previous in the list", 0, 0, 2},
        {"a dialog id goes to that page", kIds[0], 0, 0},
        {"an unknown id stays", 1, 0, 3},
    };
    for (const JumpCase& c : cases) {
        SCOPED_TRACE(c.name);
        sheet.ShowPageAt(3);
        Page(3).prevId = c.nextId;
        sheet.OnBack();
        EXPECT_EQ(Active(), c.expected);
        EXPECT_EQ(sheet.BackButton()->isEnabled(), c.expected != 0)
            << "arriving at the first page disables Back";
    }
}

TEST_F(WizardSheetTest, RefusedActivationKeepsTheOldPageAndTheButtons) {
    Page(1).allowCreate = false;
    sheet.OnNext();
    EXPECT_EQ(Active(), 0);
    EXPECT_TRUE(Page(0).isVisible());
    EXPECT_TRUE(sheet.NextButton()->isEnabled());

    Page(0).allowLeave = false;
    Page(1).allowCreate = true;
    sheet.ShowPageAt(4);
    EXPECT_EQ(Active(), 0);
    EXPECT_TRUE(Page(0).isVisible());
    EXPECT_FALSE(Page(4).isVisible());
    EXPECT_TRUE(sheet.NextButton()->isEnabled()) << "a refused move to the last page changes nothing";
}

TEST_F(WizardSheetTest, ShowPageAtReportsOnlyWhetherThePageExists) {
    EXPECT_FALSE(sheet.ShowPageAt(-1));
    EXPECT_FALSE(sheet.ShowPageAt(5));
    Page(0).allowLeave = false;
    EXPECT_TRUE(sheet.ShowPageAt(3));
    EXPECT_EQ(Active(), 0);
}

TEST_F(WizardSheetTest, DestroyPageAsksThePageFirst) {
    EXPECT_TRUE(sheet.DestroyPage(&Page(3))) << "a page never created needs nothing";
    EXPECT_EQ(Page(3).destroyingCount, 0);
    Page(0).allowLeave = false;
    EXPECT_FALSE(sheet.DestroyPage(&Page(0)));
    EXPECT_TRUE(Page(0).IsCreated());
    Page(0).allowLeave = true;
    EXPECT_TRUE(sheet.DestroyPage(&Page(0)));
    EXPECT_EQ(Page(0).destroyingCount, 1);
    EXPECT_FALSE(Page(0).IsCreated());
    EXPECT_EQ(Page(0).findChild<QLineEdit*>(), nullptr) << "controls must be gone";
}

TEST_F(WizardSheetTest, APageRefusingToCloseKeepsTheSheetOpen) {
    sheet.ShowPageAt(2);
    Page(0).allowClose = false;
    EXPECT_FALSE(sheet.CloseSheet());
    EXPECT_TRUE(sheet.isVisible());
    Page(0).allowClose = true;
    EXPECT_TRUE(sheet.CloseSheet());
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(Page(2).IsCreated());
}

struct FocusCase {
    const char* name;
    bool backOn, nextOn, exitOn;
    int focused;   // 0 Back, 1 Next
    int expected;  // 0 Back, 1 Next, 2 Exit
};

TEST_F(WizardSheetTest, DisablingTheFocusedButtonMovesTheFocus) {
    const FocusCase cases[] = {
        {"Next to Exit after it", true, true, true, 1, 2},
        {"Back to Next after it", true, true, true, 0, 1},
        {"Back skips a disabled Next", true, false, true, 0, 2},
        {"Next falls back to Back before it", true, true, false, 1, 0},
    };
    QPushButton* buttons[] = {sheet.BackButton(), sheet.NextButton(), sheet.ExitButton()};
    for (const FocusCase& c : cases) {
        SCOPED_TRACE(c.name);
        sheet.BackButton()->setEnabled(c.backOn);
        sheet.NextButton()->setEnabled(c.nextOn);
        sheet.ExitButton()->setEnabled(c.exitOn);
        buttons[c.focused]->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), buttons[c.focused]);
        if (c.focused == 0)
            sheet.EnableBack(false);
        else
            sheet.EnableNext(false);
        EXPECT_EQ(QApplication::focusWidget(), buttons[c.expected]);
    }
}

// Tab goes through the page's inputs, then Back, Next and Exit, and around;
// a disabled button or a hidden input is passed over.
TEST_F(WizardSheetTest, TabWalksThePageThenTheButtonsAround) {
    Click(sheet.NextButton());
    auto* second = new QLineEdit(&Page(1));
    auto* hidden = new QLineEdit(&Page(1));
    second->show();
    ASSERT_EQ(QApplication::focusWidget(), Page(1).edit) << "a shown page starts on its first input";
    const std::vector<QWidget*> order = {second, sheet.BackButton(), sheet.NextButton(),
                                         sheet.ExitButton(), Page(1).edit};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.ExitButton());
    EXPECT_NE(QApplication::focusWidget(), hidden);

    sheet.EnableBack(false);
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.NextButton());
}

TEST_F(WizardSheetTest, APageWithoutInputsStartsOnTheDefaultButtonNeverOnExit) {
    Click(sheet.NextButton());
    Click(sheet.NextButton());
    delete Page(2).edit;
    Click(sheet.BackButton());
    sheet.ExitButton()->setFocus();
    sheet.OnNext();
    EXPECT_EQ(Active(), 2);
    EXPECT_EQ(QApplication::focusWidget(), sheet.NextButton());
}

TEST_F(WizardSheetTest, AltArrowsPressBackAndNext) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Active(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Active(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Active(), 0) << "Back is off on the first page";
    EXPECT_FALSE(sheet.BackButton()->toolTip().isEmpty());
}

TEST_F(WizardSheetTest, EnterInsideAPagePressesTheDefaultButtonAndEscDoesNothing) {
    Page(0).edit->setFocus();
    QTest::keyClick(Page(0).edit, Qt::Key_Return);
    EXPECT_EQ(Active(), 1);

    Page(1).edit->setFocus();
    QTest::keyClick(Page(1).edit, Qt::Key_Escape);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(Active(), 1);

    sheet.EnableNext(false);
    sheet.SetDefaultStyle(sheet.BackButton(), true);
    QTest::keyClick(Page(1).edit, Qt::Key_Enter);
    EXPECT_EQ(Active(), 0) << "Back is the first enabled button with the default style";
}

TEST_F(WizardSheetTest, EnterOnAFocusedButtonStillPressesTheDefaultOne) {
    sheet.ExitButton()->setFocus();
    QTest::keyClick(sheet.ExitButton(), Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(Active(), 1);
}


// A page that lays out the texts it is given.
class TextPage : public WizardPage {
public:
    TextPage() : WizardPage(300) {}
    using WizardPage::AddText;
};

// A text is measured in the font it is shown in: a heading set in a large
// letter gets the lines that letter needs, not the lines of the page's.
TEST(WizardPageText, ATextKeepsTheRoomItsOwnFontNeeds) {
    const QString heading = "Укажите необходимое количество подключённых каналов в приборе";
    QFont large = QApplication::font();
    large.setPixelSize(3 * QFontMetrics(large).height());
    large.setBold(true);
    struct Case {
        const char* name;
        std::optional<QFont> font;
        QRect units;
    };
    const Case cases[] = {
        {"page font, room enough", std::nullopt, QRect(118, 11, 194, 40)},
        {"page font, room too low", std::nullopt, QRect(118, 11, 100, 4)},
        {"large font, room too low", large, QRect(118, 11, 194, 12)},
    };
    for (const Case& c : cases) {
        TextPage page;
        QLabel* label =
            c.font ? page.AddText(7, c.units, heading, *c.font) : page.AddText(7, c.units, heading);
        const QFontMetrics shown(label->font());
        if (c.font)
            EXPECT_EQ(label->font(), *c.font) << c.name;
        const QRect needed = shown.boundingRect(QRect(0, 0, label->width(), 100000),
                                                Qt::TextWordWrap, heading);
        EXPECT_GE(label->height(), needed.height()) << c.name;
        const QRect room =
            DialogUnits::Rect(c.units.x(), c.units.y(), c.units.width(), c.units.height());
        EXPECT_EQ(label->width(), room.width()) << c.name;
        EXPECT_GE(label->height(), room.height()) << c.name;
    }
}

} // namespace
