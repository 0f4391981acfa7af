// The parameter-list page against the simulated controller: the walk over
// every screen of each modification, and the flows around the selector,
// the square-root question, refused writes, failed reads and the exit.
#include "Screenshot.h"
#include "WizardOnSim.h"

#include "config/ModificationTraits.h"
#include "config/PageKinds.h"
#include "config/ScreenLists.h"
#include "config/WizardState.h"
#include "controls/CmyComboBox1.h"
#include "controls/CmyListCtrl.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/GraphPage.h"
#include "pages/ParameterListPage.h"
#include "pages/ServicePage.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTextEdit>

#include <set>

namespace {

using Page = ParameterListPage;

std::string Text(const QString& text) {
    return text.toStdString();
}

class ParameterListOnSim : public WizardOnSim {
protected:
    // The channel pages' part done by hand: the state they leave, then this page.
    void Open(int modification, int channels, int kind = kFirstPageKind,
              Simulator::Options options = {}) {
        Start(modification, channels, kind, options);
        Show();
    }
    void Start(int modification, int channels, int kind = kFirstPageKind,
               Simulator::Options options = {}) {
        options.model.modification = modification;
        StartWizard(options);
        WizardState& s = wizard().State();
        s.Modification = modification;
        s.ChannelCount = channels;
        s.ChannelPosition = 0;
        s.SetFeatures(FeaturesOf(modification));
        for (int row = 0; row < kPageEnableRows; ++row)
            s.SetPageEnableRow(row, InitialPageEnableRow(modification, channels));
        s.PageKind = kind;
    }
    void Show() {
        ASSERT_TRUE(wizard().ShowPageById(Page::kDialogId));
        ASSERT_TRUE(WaitTable());
    }
    Parameter& Table(const char* name, int index) {
        Parameter* p = link().FindParameter(name, index);
        if (p == nullptr)
            throw std::runtime_error(name);
        return *p;
    }
    std::vector<std::string> Entries(QComboBox& combo) {
        std::vector<std::string> out;
        for (int i = 0; i < combo.count(); ++i)
            out.push_back(Text(combo.itemText(i)));
        return out;
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const Prompt& p : prompter.Shown())
            texts.push_back(p.text);
        prompter.Clear();
        return texts;
    }

    ParameterListPage* ListPage() {
        return dynamic_cast<ParameterListPage*>(wizard().GetActivePage());
    }
    bool WaitTable() {
        return WaitUntil([this] {
            ParameterListPage* page = ListPage();
            return !wizard().IsProcedureRunning() && (!page || !page->IsReadingTable());
        });
    }
    void Next() {
        Press(WizardSheet::kNextId);
        ASSERT_TRUE(WaitTable());
    }
    CmyListCtrl& List() const { return *Control<CmyListCtrl>(Page::kListId); }
    CmyComboBox1& Selector() const { return *Control<CmyComboBox1>(Page::kSelectorId); }
    std::string Title() { return Text(wizard().windowTitle()); }
    int Kind() { return wizard().State().PageKind; }

    // Chooses an entry of a visible, enabled drop-down list as the operator does.
    void Choose(QComboBox& combo, const QString& text) {
        ASSERT_TRUE(combo.isVisible() && combo.isEnabled()) << Text(combo.objectName());
        const int index = combo.findText(text);
        ASSERT_GE(index, 0) << Text(text);
        combo.setCurrentIndex(index);
        emit combo.activated(index);
        ASSERT_TRUE(WaitTable());
    }
    // Chooses a value in the list's in-place drop-down of a row.
    void ChooseInRow(int row, const QString& text) {
        List().StartEdit(row, 2);
        ASSERT_NE(List().Combo(), nullptr) << "row " << row;
        Choose(*List().Combo(), text);
    }
    void Type(int row, const QString& text) {
        List().StartEdit(row, 2);
        ASSERT_NE(List().Edit(), nullptr) << "row " << row;
        List().Edit()->setText(text);
        List().AcceptEdit();
        ASSERT_TRUE(WaitTable());
    }
    int RowOf(const std::string& name) const { return List().FindRow(name, -1); }

    // Makes a screen ready for Next where it waits for a choice: a position
    // sensor the base's input type is not, distinct output elements.
    void Satisfy(int kind) {
        if (!Selector().isHidden() && Selector().currentIndex() < 0)
            Choose(Selector(), Selector().itemText(0));
        if (kind == kOutputLinksKind)
            for (int row = 0; row < List().rowCount(); ++row)
                if (List().IsRowEnabled(row))
                    ChooseInRow(row, QString("Выходной элемент №%1").arg(row + 1));
    }
};

struct WalkCase {
    int modification;
    int channels;
    std::vector<std::string> captions;
    int endPage;
};

std::vector<std::string> Numbered(const std::string& text, int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(text + std::to_string(i));
    return out;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> RegulatorsAndSetpoints(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i) {
        out.push_back("Задание типа и параметров регулятора " + std::to_string(i));
        out.push_back("Задание уставки для регулятора " + std::to_string(i));
    }
    return out;
}

const std::string kInput = "Задание параметров входа ";
const std::string kSensor = "Задание параметров датчика положения";
const std::string kComputing = "Задание параметров Вычислителя";
const std::string kValve = "Задание параметров Блока Управления Задвижкой";

std::vector<WalkCase> WalkCases() {
    return {
        {1, 8,
         Joined({Numbered(kInput, 8),
                 RegulatorsAndSetpoints(8),
                 Numbered("Автонастройка Регулятора ", 8),
                 {"Параметры подключения Выходных Элементов"},
                 Numbered("Задание периода ШИМ ВЭ ", 8)}),
         ServicePage::kDialogId},
        {2, 8, Joined({Numbered(kInput, 8), Numbered("Задание параметров Инспектора ", 8)}),
         ServicePage::kDialogId},
        {3,
         1,
         {kInput + "1", kSensor, kComputing, "Задание типа и пар-ров Регулятора в канале №1",
          "Задание уставки Регулятора в канале №1", "Автонастройка Регулятора", kValve},
         ServicePage::kDialogId},
        {4, 2,
         Joined({Numbered(kInput, 2),
                 {kComputing, "Задание типа и параметров регулятора 1",
                  "Задание уставки для регулятора 1", "Автонастройка Регулятора 1",
                  "Задание периода ШИМ ВЭ 1", "Задание параметров Инспектора 1",
                  "Задание параметров LBA-аварии 1"}}),
         ChannelFunctionsPage::kDialogId},
        {5, 2,
         Joined({Numbered(kInput, 2),
                 RegulatorsAndSetpoints(1),
                 {"Автонастройка Регулятора 1", "Задание периода ШИМ ВЭ 1"}}),
         GraphPage::kDialogId},
        {6,
         1,
         {kInput + "1", kSensor, kComputing, "Задание типа и параметров регулятора 1",
          "Задание уставки Регулятора в канале №1", "Автонастройка Регулятора 1",
          "Задание параметров Инспектора 1", "Задание параметров LBA-аварии 1", kValve},
         ServicePage::kDialogId},
    };
}

// Every screen of each modification by Next: its caption, its prompts, a
// read value in every row, the rows its kind greys, and where the walk ends.
class ParameterListWalk : public ParameterListOnSim,
                          public testing::WithParamInterface<WalkCase> {};

TEST_P(ParameterListWalk, EveryScreenByNext) {
    const WalkCase& walk = GetParam();
    {
        Open(walk.modification, walk.channels);
        std::vector<std::string> captions;
        while (ActivePageId() == Page::kDialogId && captions.size() < 60) {
            const int kind = Kind();
            SCOPED_TRACE("kind " + std::to_string(kind));
            captions.push_back(Title());
            const bool hasSelector = SelectorOfKind(kind, walk.modification, 0).has_value();
            EXPECT_EQ(Control<QLabel>(Page::kPromptAId)->isVisible(), hasSelector);
            EXPECT_FALSE(Control<QLabel>(Page::kPromptBId)->text().isEmpty());
            EXPECT_EQ(Control<QWidget>(Page::kSquareRootId)->isVisible(),
                      walk.modification == 2 && kind <= 8);
            EXPECT_EQ(Control<QWidget>(Page::kGraphButtonId) != nullptr,
                      ScreenOfKind(kind, true) == Screen::Setpoint && walk.modification != 2 &&
                          walk.modification != 5);
            const bool pid = Selector().currentText() == "ПИД";
            const Screen screen = ScreenOfKind(kind, pid);
            CmyListCtrl& list = List();
            ASSERT_EQ(list.rowCount(),
                      CountApplicableReferences(ScreenReferences(screen), walk.modification));
            for (int row = 0; row < list.rowCount(); ++row) {
                const Parameter* p = list.RowParameter(row);
                ASSERT_NE(p, nullptr);
                EXPECT_EQ(list.CellText(row, 1), p->name);
                EXPECT_EQ(list.CellText(row, 2), p->value);
                EXPECT_NE(p->value, "Нет данных") << p->name;
            }
            if (screen == Screen::Inputs) { // the base's Pt100 has no analogue range
                EXPECT_TRUE(!list.IsRowEnabled(5) && !list.IsRowEnabled(6));
            } else if (screen == Screen::ComputingBlock) { // a repeater weighs nothing
                EXPECT_FALSE(list.IsRowEnabled(RowOf("SCA")) || list.IsRowEnabled(RowOf("A.ist")));
            } else if (screen == Screen::OutputLinks) {
                for (int row = 0; row < list.rowCount(); ++row)
                    EXPECT_EQ(list.IsRowEnabled(row), row < walk.channels) << row;
            } else if (screen == Screen::PositionSensor) {
                EXPECT_EQ(Selector().count(), 4);
            }
            const std::string picture =
                "list-m" + std::to_string(walk.modification) + "-k" + std::to_string(kind);
            SaveScreenshot(wizard().grab(), picture.c_str());
            Satisfy(kind);
            Next();
        }
        EXPECT_EQ(captions, walk.captions);
        EXPECT_EQ(ActivePageId(), walk.endPage);
        if (walk.modification == 4) { // the second channel starts on its channel page
            EXPECT_EQ(wizard().State().ChannelPosition.load(), 1);
            EXPECT_EQ(Kind(), kFirstPageKind);
        }
        // Only the choices made and the links written on Next reach the device.
        for (const std::string& line : NewJournal())
            EXPECT_TRUE(line.rfind("op[", 0) == 0 || line.rfind("in-t[", 0) == 0 ||
                        line.rfind("se.p[", 0) == 0)
                << line;
    }
}

// The computing block offers only the types its number of inputs can feed;
// a choice frees the rows it uses and reaches the device.
TEST_F(ParameterListOnSim, ComputingBlockTypesFollowTheInputCount) {
    Start(4, 1, 17);
    Table("n.in.c", 0).value = "1";
    Show();
    EXPECT_EQ(Entries(Selector()),
              (std::vector<std::string>{"Повторитель", "Взвешенная сумма", "Квадратный корень"}));
    EXPECT_EQ(Text(Selector().currentText()), "Повторитель");
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    Table("n.in.c", 0).value = "2";
    Press(WizardSheet::kBackId);
    ASSERT_TRUE(WaitTable());
    Next();
    ASSERT_EQ(Kind(), 17);
    EXPECT_EQ(
        Entries(Selector()),
        (std::vector<std::string>{"Взвешенная сумма", "Разность", "Минимум", "Максимум", "Медиана",
                                  "Среднее арифметическое", "Резервирование", "Выключен"}));
    EXPECT_EQ(Selector().currentIndex(), -1); // the base's repeater is not offered
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    Choose(Selector(), "Разность");
    EXPECT_TRUE(List().IsRowEnabled(0) && List().IsRowEnabled(1));
    EXPECT_FALSE(List().IsRowEnabled(RowOf("A.ist")));
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"cal.t[0]=Разность #3"});
}

TEST_F(ParameterListOnSim, ComputingBlockOfModificationSixWithFourInputs) {
    Start(6, 1, 17);
    Table("n.in.c", 0).value = "4";
    Show();
    EXPECT_EQ(Entries(Selector()),
              (std::vector<std::string>{"Взвешенная сумма", "Минимум", "Максимум",
                                        "Среднее арифметическое"}));
    EXPECT_EQ(List().rowCount(), 5); // four weights and the main signal
}

// Input types the modification hides are not offered; the position sensor
// screen offers exactly the four sensor types.
TEST_F(ParameterListOnSim, SensorTypesOnlyOnThePositionSensorScreen) {
    Open(3, 1);
    const std::vector<std::string> inputs = Entries(Selector());
    EXPECT_EQ(inputs.size(), 38u);
    for (const std::string& entry : inputs)
        EXPECT_EQ(entry.find("Датчик положения"), std::string::npos) << entry;
    Next();
    ASSERT_EQ(Kind(), 9);
    const std::vector<std::string> sensors = Entries(Selector());
    ASSERT_EQ(sensors.size(), 4u);
    for (const std::string& entry : sensors)
        EXPECT_EQ(entry.rfind("Датчик положения", 0), 0u) << entry;
    EXPECT_NE(Text(Control<QLabel>(Page::kPromptBId)->text()).find("Входу №2 прибора"),
              std::string::npos);
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled()); // Pt100 is no sensor
    Choose(Selector(), QString::fromStdString(sensors[2]));
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"in-t[1]=" + sensors[2] + " #28"});
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
}

TEST_F(ParameterListOnSim, SquareRootQuestionOfModificationTwo) {
    Open(2, 2);
    QComboBox& root = *Control<QComboBox>(Page::kSquareRootId);
    EXPECT_EQ(Text(root.currentText()), "Нет"); // a repeater
    Choose(root, "Да");
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"cal.t[0]=Квадратный корень #2"});
    Next();
    EXPECT_EQ(Title(), "Задание параметров входа 2");
    EXPECT_EQ(root.currentIndex(), -1); // the second block is off: neither answer
    Press(WizardSheet::kBackId);
    ASSERT_TRUE(WaitTable());
    EXPECT_EQ(Text(root.currentText()), "Да");
}

// On/off instead of PID: other rows at once, and no autotuning or PWM screen.
TEST_F(ParameterListOnSim, OnOffRegulatorDropsItsAutotuningAndPwmScreens) {
    Open(1, 1, 25);
    EXPECT_EQ(RowOf("Pb"), 1);
    Choose(Selector(), "Двухпозиционный");
    std::vector<std::string> names;
    for (int row = 0; row < List().rowCount(); ++row)
        names.push_back(List().CellText(row, 1));
    EXPECT_EQ(names, (std::vector<std::string>{"db", "hys.c", "del", "hold"}));
    EXPECT_EQ(List().RowParameter(1)->index, 8);
    // The help box explains the regulator's hysteresis, not the inspector's.
    List().FocusRow(1);
    auto* help = Control<QTextEdit>(Page::kCommentId);
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains("гистерезис двухпозиционного регулятора"));
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"rEG.t[0]=Двухпозиционный #0"});
    Next();
    EXPECT_EQ(Kind(), 26);
    Next();
    EXPECT_EQ(Kind(), kOutputLinksKind);
    // The help's heading names the link's own number, as its row does.
    List().FocusRow(1);
    List().FocusRow(0);
    const std::string row = List().CellText(0, 0);
    EXPECT_EQ(row.find("№..."), std::string::npos) << row;
    EXPECT_EQ(Text(help->toPlainText()).rfind(row + " (\"", 0), 0u) << Text(help->toPlainText());
}

// An edited value goes to the device at once; a refused one keeps the old.
TEST_F(ParameterListOnSim, EditsAreWrittenAndRefusalsKeepTheOldValue) {
    Open(1, 1, 25);
    const int band = RowOf("Pb");
    Type(band, "12.5");
    const std::vector<std::string> journal = NewJournal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].rfind("Pb[0]=12.5", 0), 0u) << journal[0];
    const std::string kept = List().CellText(band, 2);
    sim().SetMenu(true);
    prompter.Script(PromptAnswer::Ok);
    Type(band, "20");
    EXPECT_EQ(List().CellText(band, 2), kept);
    prompter.Script(PromptAnswer::Ok);
    Choose(Selector(), "Двухпозиционный");
    EXPECT_EQ(Text(Selector().currentText()), "ПИД");
    EXPECT_EQ(RowOf("Pb"), band); // still the PID rows
    EXPECT_EQ(Shown().size(), 2u);
    EXPECT_TRUE(NewJournal().empty());
}

// A logic type the controller refuses: the row shows what the controller
// holds, and the second alarm point keeps the state that value gives it.
// Once taken, the rules follow the new value and the points are read again.
TEST_F(ParameterListOnSim, RowRulesFollowTheValueTheControllerHolds) {
    Open(2, 1, kInspectorKind);
    const int logic = RowOf("LG.tY");
    const int second = List().FindRow("a.i.j", 1);
    ASSERT_EQ(List().CellText(logic, 2), "Выше порога");
    ASSERT_FALSE(List().IsRowEnabled(second));
    NewJournal();
    sim().SetMenu(true);
    prompter.Script(PromptAnswer::Ok);
    ChooseInRow(logic, "В диапазоне");
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, "LG.tY");
    prompter.Clear();
    EXPECT_EQ(List().CellText(logic, 2), "Выше порога");
    EXPECT_FALSE(List().IsRowEnabled(second)) << "the rules ran on the refused value";
    std::string held;
    ASSERT_TRUE(sim().Value("LG.tY", 0, held));
    EXPECT_EQ(held, "Выше порога");
    EXPECT_TRUE(NewJournal().empty());

    sim().SetMenu(false);
    ChooseInRow(logic, "В диапазоне");
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"LG.tY[0]=В диапазоне #3"});
    EXPECT_TRUE(List().IsRowEnabled(second));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
}

// On the output links the last channel's link decides Next as it is edited;
// the links are kept until Next writes them.
TEST_F(ParameterListOnSim, TheLastChannelsLinkDecidesNextAfterEachEdit) {
    Open(1, 3, kOutputLinksKind);
    QPushButton& next = *Button(WizardSheet::kNextId);
    ASSERT_FALSE(List().IsRowEnabled(3));
    ChooseInRow(2, "Выходной элемент №5");
    EXPECT_TRUE(next.isEnabled());
    ChooseInRow(2, "Не подключен");
    EXPECT_FALSE(next.isEnabled());
    ChooseInRow(1, "Выходной элемент №3");
    EXPECT_FALSE(next.isEnabled()) << "only the last channel in use decides";
    ChooseInRow(2, "Выходной элемент №4");
    EXPECT_TRUE(next.isEnabled());
    EXPECT_TRUE(NewJournal().empty());
}

// A read that fails shows "Нет данных" in red, never the value of an earlier
// read, and the first such row is named in a box.
TEST_F(ParameterListOnSim, AFailedReadShowsNoDataInRed) {
    Open(1, 1, 50);
    ASSERT_EQ(List().rowCount(), 2);
    EXPECT_NE(List().CellText(0, 2), "Нет данных");
    FaultSettings broken;
    broken.corruptPercent = 100;
    sim().SetFaults(broken);
    prompter.Script(PromptAnswer::Ok);
    Show(); // the screen read again
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, List().RowParameter(0)->name);
    EXPECT_EQ(prompter.Shown()[0].text, "Ошибка в контрольной сумме ответа");
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(List().CellText(row, 2), "Нет данных");
    const QRect cell = List().visualRect(List().model()->index(0, 2));
    const QImage shown = List().viewport()->grab().toImage();
    int red = 0;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const QColor c = shown.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_GT(red, 5);
    EXPECT_TRUE(Button(WizardSheet::kBackId)->isEnabled());
}

// A selector that could not be read claims no entry and changes nothing in
// the controller; the operator, told in a box, reads it again with Next.
TEST_F(ParameterListOnSim, AnUnreadSelectorIsNamedAndNextReadsItAgain) {
    Open(3, 1);
    NewJournal();
    const std::string held = Text(Selector().currentText());
    ASSERT_FALSE(held.empty());
    FaultSettings broken;
    broken.corruptPercent = 100;
    sim().SetFaults(broken);
    prompter.Script(PromptAnswer::Ok);
    Show();
    ASSERT_EQ(Shown(), std::vector<std::string>{"Ошибка в контрольной сумме ответа"});
    EXPECT_EQ(Selector().currentIndex(), -1);
    EXPECT_TRUE(Button(WizardSheet::kBackId)->isEnabled());
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    prompter.Script(PromptAnswer::Ok);
    Next(); // still failing: the same screen, told again
    EXPECT_EQ(Kind(), 1);
    EXPECT_EQ(Shown().size(), 1u);
    sim().SetFaults({});
    Next();
    EXPECT_EQ(Kind(), 1);
    EXPECT_EQ(Text(Selector().currentText()), held);
    EXPECT_TRUE(Shown().empty());
    Next();
    EXPECT_GT(Kind(), 1);
    EXPECT_TRUE(NewJournal().empty());
}

// Links of modification 1: duplicates refused before anything is written,
// then every link off and on again.
TEST_F(ParameterListOnSim, OutputLinksAreCheckedAndWrittenInTwoPasses) {
    Open(1, 3, kOutputLinksKind);
    ChooseInRow(1, "Выходной элемент №3");
    ChooseInRow(2, "Выходной элемент №3");
    EXPECT_TRUE(NewJournal().empty()); // deferred rows
    prompter.Script(PromptAnswer::Ok);
    Next();
    EXPECT_EQ(Kind(), kOutputLinksKind);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(NewJournal().empty());
    ChooseInRow(2, "Выходной элемент №5");
    Next();
    EXPECT_EQ(Title(), "Задание периода ШИМ ВЭ 1");
    std::vector<std::string> expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back("op[" + std::to_string(2 * i) + "]=Не подключен #0");
    for (int i = 0; i < 8; ++i) {
        const int element = i == 0 ? 1 : i == 1 ? 3 : i == 2 ? 5 : 0;
        expected.push_back("op[" + std::to_string(2 * i) + "]=" +
                           (element ? "Выходной элемент №" + std::to_string(element)
                                    : std::string("Не подключен")) +
                           " #" + std::to_string(element));
    }
    EXPECT_EQ(NewJournal(), expected);
}

// A gate valve whose links the device refuses is disconnected as a whole,
// said so, and read again; once the device takes them the walk goes on. A
// controller in its menu refuses the disconnection, and that is said, never
// passed over.
TEST_F(ParameterListOnSim, RefusedGateValveLinksDisconnectTheBlock) {
    Open(3, 1, 74);
    EXPECT_EQ(NewJournal(), (std::vector<std::string>{"se.p[0]=Два выходных элемента #2",
                                                      "op[0]=Выходной элемент №1 #1",
                                                      "op[1]=Выходной элемент №2 #2"}));
    sim().SetMenu(true);
    prompter.Script(PromptAnswer::Ok);
    Next();
    EXPECT_EQ(Kind(), 74);
    // The screen is read again, and a read writes nothing.
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Не правильно подключены Выходные элементы!\n\nНе отключены:\n", 0),
              0u)
        << shown[0];
    sim().SetMenu(false);
    Next();
    EXPECT_EQ(ActivePageId(), ServicePage::kDialogId);
    EXPECT_EQ(NewJournal(), (std::vector<std::string>{
                                "op[0]=Не подключен #0", "op[1]=Не подключен #0",
                                "se.p[0]=Два выходных элемента #2", "op[0]=Выходной элемент №1 #1",
                                "op[1]=Выходной элемент №2 #2"}));
}

// Exit while a slow controller is being read: the worker ends with the line.
TEST_F(ParameterListOnSim, ExitDuringAScreenReadEndsWithinASecond) {
    Simulator::Options slow;
    slow.faults.delayMs = 150;
    Start(1, 1, 1, slow);
    ASSERT_TRUE(wizard().ShowPageById(Page::kDialogId));
    ASSERT_TRUE(WaitUntil([this] { return List().rowCount() > 0; }));
    prompter.Script(PromptAnswer::Yes);
    QElapsedTimer clock;
    clock.start();
    Button(WizardSheet::kExitId)->click();
    ASSERT_TRUE(WaitUntil([this] { return !wizard().isVisible(); }, 5000));
    EXPECT_LT(clock.elapsed(), 1000);
}

INSTANTIATE_TEST_SUITE_P(Modifications, ParameterListWalk, testing::ValuesIn(WalkCases()),
                         [](const testing::TestParamInfo<WalkCase>& info) {
                             return "Modification" + std::to_string(info.param.modification);
                         });

} // namespace
