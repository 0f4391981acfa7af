#include "GuiWait.h"
#include "LinkTestBench.h"
#include "ScriptedBoxes.h"
#include "Screenshot.h"
#include "app/WizardMainDialog.h"
#include "controls/LayoutFont.h"
#include "shell/WizardPage.h"
#include "util/SettingsStore.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

class WizardMainDialogTest : public testing::Test {
protected:
    void SetUp() override {
        wizard.show();
        wizard.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
        // The device worker inflates the parameter base first.
        ASSERT_TRUE(Idle());
    }

    int ActiveId() const { return wizard.GetActivePage()->DialogId(); }
    QPushButton* Button(int id) { return wizard.findChild<QPushButton*>(QString::number(id)); }
    void Click(int id) {
        QPushButton* button = Button(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible());
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Without a controller every page that reads it names its first failed
    // read in a box: the parameter list, the graph, and the service page for
    // "behv" and for its table.
    void ShowPageWithoutDevice(int position) {
        const int boxes = position == 10 ? 2 : position == 8 || position == 9 ? 1 : 0;
        for (int box = 0; box < boxes; ++box)
            prompter.Script(PromptAnswer::Ok);
        ASSERT_TRUE(wizard.ShowPageAt(position));
    }
    // Unscripted boxes fail on their own.
    void ExpectFailedReadBox() {
        const auto told = [&] {
            const std::vector<Prompt> shown = prompter.Shown();
            return std::any_of(shown.begin(), shown.end(),
                               [](const Prompt& p) { return p.caption == "behv"; });
        };
        EXPECT_TRUE(WaitUntil([&] { return !wizard.IsProcedureRunning() && told(); }));
    }
    QLabel* Status() { return wizard.findChild<QLabel*>("1044"); }
    // The modification page reads the device's modification when it is first
    // shown; without a device it says so.
    void ExpectNoModification() { prompter.Script(PromptAnswer::Ok); }
    bool Idle() {
        return WaitUntil([this] { return !wizard.IsProcedureRunning(); });
    }
    QWidget* Progress() { return wizard.findChild<QWidget*>("1043"); }

    ScriptedBoxes prompter;
    WizardMainDialog wizard;
};

struct PageRow {
    int position;
    int dialogId;
    const char* title;  // as seen when the pages are visited in list order
};

const PageRow kPages[] = {
    {0, 137, "Мастер конфигурирования ZRK640"},
    {1, 136, "Проверка сети и настройка сетевых параметров"},
    {2, 193, "Мастер конфигурирования ZRK"},
    {3, 141, "Прибор не ZRK640"},
    {4, 106, "Выбор модификации"},
    {5, 177, "Базовые параметры конфигурации"},
    {6, 191, "Задание общих параметров канала"},
    {7, 194, "Задание общих параметров канала"},
    {8, 107, "Задание параметров входа 1"},
    {9, 196, "Задайте график коррекции уставки в канале"},
    {10, 154, "Задание служебных параметров"},
    {11, 142, "Готово"},
};

TEST_F(WizardMainDialogTest, EveryPageSitsAtItsListPositionAndNamesItself) {
    ASSERT_EQ(wizard.PageCount(), 12);
    ExpectNoModification();
    for (const PageRow& row : kPages) {
        SCOPED_TRACE(row.dialogId);
        ShowPageWithoutDevice(row.position);
        EXPECT_EQ(wizard.GetActivePageIndex(), row.position);
        EXPECT_EQ(ActiveId(), row.dialogId);
        EXPECT_EQ(wizard.FindPageById(row.dialogId), wizard.GetActivePage());
        EXPECT_EQ(wizard.windowTitle(), row.title);
    }
    ExpectFailedReadBox();
}

TEST_F(WizardMainDialogTest, StartsOnTheWelcomePageWithBackOff) {
    EXPECT_EQ(ActiveId(), 137);
    EXPECT_EQ(wizard.windowTitle(), "Мастер конфигурирования ZRK640");
    EXPECT_FALSE(Button(12323)->isEnabled());
    EXPECT_TRUE(Button(12324)->isEnabled());
    EXPECT_EQ(Button(12323)->text(), "< &Назад");
    EXPECT_EQ(Button(12324)->text(), "&Вперед >");
    EXPECT_EQ(Button(2)->text(), "Вы&ход");
    auto* greeting = wizard.GetActivePage()->findChild<QLabel*>("1018");
    ASSERT_NE(greeting, nullptr);
    EXPECT_TRUE(greeting->text().startsWith("Вас приветствует программа  быстрого"));
    for (const char* id : {"1010", "1043", "1044"})
        EXPECT_NE(wizard.findChild<QWidget*>(id), nullptr) << id;
}

// No controller on the line (the test settings name no real port): the
// welcome page's read finds nobody and the connection check follows, its
// Next off. The pages beyond are driven against the simulator in tests/pages.
TEST_F(WizardMainDialogTest, NextWithoutAControllerLeadsToTheConnectionCheck) {
    Click(12324);
    ASSERT_TRUE(WaitUntil([this] { return !wizard.IsProcedureRunning(); }, 10000));
    EXPECT_EQ(ActiveId(), 136);
    EXPECT_EQ(wizard.windowTitle(), "Проверка сети и настройка сетевых параметров");
    EXPECT_FALSE(Button(12324)->isEnabled());
    EXPECT_FALSE(Button(12323)->isEnabled());
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(WizardMainDialogTest, BackFromTheModificationPageJumpsToWelcome) {
    ExpectNoModification();
    wizard.ShowPageAt(4);
    ASSERT_TRUE(Idle());
    Click(12323);
    EXPECT_EQ(ActiveId(), 137);
    EXPECT_FALSE(Button(12323)->isEnabled());
}

TEST_F(WizardMainDialogTest, EnterOnTheLastPageAsksAndNoLeavesEverything) {
    wizard.ShowPageById(142); // as Next would
    ASSERT_EQ(ActiveId(), 142);
    prompter.Script(PromptAnswer::No);
    QTest::keyClick(wizard.GetActivePage(), Qt::Key_Return);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    const Prompt question = prompter.Shown()[0];
    EXPECT_EQ(question.text, "Хотите выйти из программы?");
    EXPECT_EQ(question.caption, "Подтверждение");
    EXPECT_EQ(question.buttons, PromptButtons::YesNo);
    EXPECT_EQ(question.icon, PromptIcon::Information);
    QTest::qWait(50);
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_FALSE(wizard.IsExitConfirmed());
    EXPECT_EQ(ActiveId(), 142);
    EXPECT_EQ(Button(2)->text(), "&Готово");
}

TEST_F(WizardMainDialogTest, YesClosesTheWizardAndIsAskedOnlyOnce) {
    wizard.ShowPageAt(5);
    prompter.Script(PromptAnswer::Yes);
    Click(2);
    EXPECT_TRUE(wizard.IsExitConfirmed());
    ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
    EXPECT_EQ(wizard.GetActivePage(), nullptr);
    EXPECT_FALSE(wizard.FindPageById(177)->IsCreated());
    wizard.OnExit();
    EXPECT_EQ(prompter.Shown().size(), 1u);
}

TEST_F(WizardMainDialogTest, EscapeOnTheWizardAsksTheExitQuestion) {
    prompter.Script(PromptAnswer::No);
    Button(12324)->setFocus();
    QTest::keyClick(Button(12324), Qt::Key_Escape);
    EXPECT_EQ(prompter.Shown().size(), 1u);
    EXPECT_TRUE(wizard.isVisible());
}

TEST_F(WizardMainDialogTest, StatusShowsAtOnceAndHidesAfterItsDelay) {
    wizard.SetStatus(true, "Чтение модификации...");
    EXPECT_TRUE(Status()->isVisible());
    EXPECT_TRUE(Progress()->isVisible());
    EXPECT_EQ(Status()->text(), "Чтение модификации...");
    EXPECT_EQ(Status()->palette().color(QPalette::WindowText), QColor(0, 60, 0));

    auto* timer = wizard.findChild<QTimer*>("105");
    ASSERT_NE(timer, nullptr);
    wizard.SetStatus(false, "");
    EXPECT_TRUE(Status()->isVisible()) << "hidden only when the timer fires";
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 300);

    wizard.SetStatus(true, "Запись");
    EXPECT_FALSE(timer->isActive()) << "a new status cancels the pending hide";
    wizard.SetStatus(false, "");
    ASSERT_TRUE(WaitUntil([&] { return !Status()->isVisible(); }));
    EXPECT_FALSE(Progress()->isVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(WizardMainDialogTest, StatusRestartsItsProgressAtZero) {
    wizard.SetStatus(true, "a");
    wizard.ProgressBar()->setValue(66);
    wizard.SetStatus(true, "b");
    EXPECT_EQ(wizard.ProgressBar()->value(), 0);
}

TEST_F(WizardMainDialogTest, FontsInUseHaveCyrillicGlyphs) {
    const QString sample = "Вас приветствует программа ЖЩЪЁ ёжщъ";
    WizardPage* page = wizard.GetActivePage();
    for (const QFont& font : {QApplication::font(), page->LargeFont(), page->SmallFont(),
                              Button(12324)->font()}) {
        QFontMetrics metrics(font);
        for (QChar c : sample)
            EXPECT_TRUE(metrics.inFont(c)) << font.family().toStdString() << " lacks U+" << int(c.unicode());
    }
    EXPECT_EQ(page->LargeFont().weight(), QFont::Bold);
    // The layouts' cell heights, grown with the application font.
    EXPECT_LE(QFontMetrics(page->LargeFont()).height(), LayoutFont::Pixels(20));
    EXPECT_LE(QFontMetrics(page->SmallFont()).height(), LayoutFont::Pixels(16));
    EXPECT_GT(QFontMetrics(page->LargeFont()).height(), QFontMetrics(page->SmallFont()).height());
}

TEST_F(WizardMainDialogTest, PagesAreWhite) {
    WizardPage* page = wizard.GetActivePage();
    EXPECT_TRUE(page->autoFillBackground());
    EXPECT_EQ(page->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(page->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// Every text of every page and of the status line must be readable whole:
// a word-wrapped label needs the height its text takes at its width, a
// one-line one the width.
void ExpectTextsFit(const QWidget& root) {
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed =
                metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
            EXPECT_LE(needed.height(), room.height());
            EXPECT_LE(needed.width(), room.width());
        } else {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), room.width());
        }
    }
    for (const QPushButton* button : root.findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()),
                      button->width())
                << button->text().toStdString();
        }
    }
}

// With ZRK_SCREENSHOT_DIR set, each page is also saved as a picture.
TEST_F(WizardMainDialogTest, NothingOnAnyPageIsClipped) {
    ExpectNoModification();
    for (const PageRow& row : kPages) {
        SCOPED_TRACE(row.dialogId);
        ShowPageWithoutDevice(row.position);
        ExpectTextsFit(wizard);
        SaveScreenshot(wizard.grab(),
                       QString("page_%1_%2").arg(row.position, 2, 10, QChar('0')).arg(row.dialogId)
                           .toUtf8().constData());
    }
    ExpectFailedReadBox();
}

TEST_F(WizardMainDialogTest, TheStatusLineSitsUnderThePagesBesideTheButtons) {
    const QRect frame = wizard.findChild<QWidget*>("1010")->geometry();
    for (const char* text : {"Смена модификации...", "Запись \"Sp.lu\"...", "Чтение \"r.OUt\"..."}) {
        wizard.SetStatus(true, text);
        ExpectTextsFit(wizard);
    }
    wizard.ProgressBar()->setValue(40);
    for (QWidget* status : {static_cast<QWidget*>(Status()), Progress()}) {
        EXPECT_GE(status->geometry().top(), frame.bottom());
        EXPECT_LE(status->geometry().bottom(), wizard.height());
        EXPECT_LT(status->geometry().right(), Button(12323)->geometry().left());
    }
    EXPECT_LT(Status()->geometry().bottom(), Progress()->geometry().top());
    SaveScreenshot(wizard.grab(), "status_line");
}

// The window comes up before the parameter base, which the device worker
// inflates once it is on screen, and before any procedure that comes sooner;
// the window's least size follows the font, and a larger window keeps the
// buttons in its lower right corner.
TEST(WizardWindowTest, ComesUpBeforeTheBaseAndGrowsWithFontAndWindow) {
    ScriptedBoxes prompter;
    auto wizard = std::make_unique<WizardMainDialog>();
    wizard->show();
    EXPECT_TRUE(wizard->IsProcedureRunning()) << "the base is still to come";
    ASSERT_TRUE(WaitUntil([&] { return !wizard->IsProcedureRunning(); }));
    EXPECT_TRUE(wizard->NextButton()->isEnabled());
    EXPECT_NE(wizard->Link().FindParameter("dev", 0), nullptr);

    const QSize least = wizard->minimumSize();
    const auto corner = [&](QWidget* w) {
        return QPoint(wizard->width() - w->geometry().right(), wizard->height() - w->geometry().bottom());
    };
    const QPoint exitCorner = corner(wizard->ExitButton());
    const QSize page = wizard->GetActivePage()->size();
    wizard->resize(least + QSize(200, 100));
    EXPECT_EQ(corner(wizard->ExitButton()), exitCorner);
    EXPECT_EQ(corner(wizard->BackButton()).y(), exitCorner.y());
    EXPECT_EQ(wizard->GetActivePage()->size(), wizard->findChild<QWidget*>("1010")->size());
    EXPECT_EQ(wizard->GetActivePage()->size(), page + QSize(200, 100));
    wizard.reset();

    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSizeF(before.pointSizeF() * 2);
    QApplication::setFont(larger);
    WizardMainDialog grown;
    QApplication::setFont(before);
    EXPECT_GT(grown.minimumWidth(), least.width() * 3 / 2);
    EXPECT_GT(grown.minimumHeight(), least.height() * 3 / 2);
    // Never shown: Next waits for the base instead of reading an empty
    // table, and a procedure still finds the base loaded ahead of it.
    grown.OnNext();
    EXPECT_TRUE(grown.IsProcedureRunning());
    EXPECT_EQ(grown.GetActivePageIndex(), 0);
    int found = -1;
    grown.RunProcedure(&grown, [&] { return grown.Link().FindParameter("dev", 0) != nullptr; },
                       [&](int result) { found = result; });
    ASSERT_TRUE(WaitUntil([&] { return found >= 0; }));
    EXPECT_EQ(found, 1);
}

} // namespace

namespace {

// The wizard on a settings file of the test's own.
class WizardSettingsTest : public testing::Test {
protected:
    // Starts the wizard, changes the address and leaves through Exit.
    void RunAndExitWithAddress(const char* address) {
        WizardMainDialog wizard;
        wizard.show();
        wizard.Link().Settings().SetValueByName("Addr", address);
        prompter.Script(PromptAnswer::Yes);
        wizard.OnExit();
        ASSERT_TRUE(WaitUntil([&] { return !wizard.isVisible(); }));
    }
    std::string Bytes() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempSettingsPath settings;
    const std::string& path = settings.path;
    ScriptedBoxes prompter;
};

TEST_F(WizardSettingsTest, ExitStoresAChangedSetting) {
    RunAndExitWithAddress("20");
    EXPECT_NE(Bytes().find("address=20\n"), std::string::npos) << Bytes();
}

TEST_F(WizardSettingsTest, UnreadableFileIsSaidAndLeftByteForByte) {
    const std::string binary("address=33\n\x01\xfe\0garbage\n", 22);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << binary;
    prompter.Script(PromptAnswer::Ok);
    RunAndExitWithAddress("20");
    const auto shown = prompter.Shown();
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, SettingsStore::kUnreadableText + path);
    EXPECT_EQ(Bytes(), binary);
}

} // namespace
