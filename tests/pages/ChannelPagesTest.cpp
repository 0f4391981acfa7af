// The channel pages against the simulated controller: the answers, what
// they write, the screens they switch, and the output elements offered.

#include "WizardOnSim.h"

#include "config/WizardState.h"
#include "pages/ChannelCountPage.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/GateValveChannelPage.h"

#include <QComboBox>
#include <QTest>

namespace {

using Lines = std::vector<std::string>;
using Page = ChannelFunctionsPage;
using Gate = GateValveChannelPage;

constexpr int kParameterList = 107;

QString Element(int n) { return QString("Выходной элемент №%1").arg(n); }

QStringList ElementsBut(std::initializer_list<int> taken) {
    QStringList names;
    for (int n = 1; n <= 8; ++n)
        if (std::find(taken.begin(), taken.end(), n) == taken.end())
            names << Element(n);
    return names;
}

class ChannelPages : public WizardOnSim {
protected:
    // Through the modification page (settings kept) and the count to the
    // first channel page.
    void StartChannels(int modification, const QString& channels) {
        StartOnCountPage(modification);
        Choose(ChannelCountPage::kCountId, channels);
        Press(WizardSheet::kNextId);
        NewJournal();
    }
    // The channel walk of the parameter pages, reduced to its jump back here.
    void ShowChannel(int position, int pageId) {
        wizard().State().ChannelPosition = position;
        ShowPage(pageId);
    }
    QComboBox* List(int id) { return Control<QComboBox>(id); }
    bool NextOn() { return Button(WizardSheet::kNextId)->isEnabled(); }
    std::uint8_t Mask(int k, OutputWhich which) { return wizard().State().OutputMasks.Mask(k, which); }
};

TEST_F(ChannelPages, FunctionsAnswerWriteAndShareTheOutputElements) {
    StartChannels(4, "2");
    ASSERT_EQ(ActivePageId(), Page::kDialogId);
    WizardState& state = wizard().State();

    // Channel 1 starts from its standard elements, all eight offered.
    EXPECT_EQ(Entries(Page::kFirstElementId), ElementsBut({}));
    EXPECT_EQ(List(Page::kFirstElementId)->currentText(), Element(1));
    EXPECT_EQ(List(Page::kSecondElementId)->currentText(), Element(2));
    EXPECT_FALSE(NextOn());

    Choose(Page::kInspectorId, "Да");
    EXPECT_TRUE(state.PageEnabled(0, kInspectorKind));
    Choose(Page::kInspectorId, "Нет");
    EXPECT_FALSE(List(Page::kSecondElementId)->isEnabled());
    EXPECT_EQ(List(Page::kSecondElementId)->currentIndex(), -1);
    EXPECT_EQ(Mask(0, OutputWhich::Second), 0);
    EXPECT_FALSE(state.PageEnabled(0, kInspectorKind));
    EXPECT_EQ(NewJournal(), (Lines{"insp[0]=Включен #1", "insp[0]=Выключен #0"}));

    Choose(Page::kInspectorId, "Да");
    EXPECT_FALSE(List(Page::kInputsId)->isEnabled());
    Choose(Page::kComputingId, "Да");
    Choose(Page::kInputsId, "2");
    Choose(Page::kLbaId, "Есть контроль");
    Choose(Page::kFirstElementId, Element(3));
    Choose(Page::kSecondElementId, Element(3));
    EXPECT_TRUE(NextOn());
    EXPECT_EQ(NewJournal(), (Lines{"insp[0]=Включен #1", "lba[0]=Есть контроль #1"}));
    EXPECT_EQ(link().FindParameter("n.in.c", 0)->value, "2"); // written with its screen

    prompter.Script(PromptAnswer::Ok);
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), Page::kDialogId);
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[1].caption, "Проверка Выходных элементов");
    EXPECT_EQ(prompter.Shown()[1].text,
              "Были найдены одинаковые номера Выходных элементов! Это не допустимо!\nВыберите, "
              "пожалуйста, разные номера Выходных эелементов.");

    Choose(Page::kSecondElementId, Element(4));
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), kParameterList);
    EXPECT_TRUE(state.PageEnabled(0, 1) && state.PageEnabled(0, 2) && state.PageEnabled(0, 17));

    // Channel 2 is not offered what channel 1 holds; its standard first
    // element is taken, so it must choose.
    ShowChannel(1, Page::kDialogId);
    EXPECT_EQ(Entries(Page::kFirstElementId), ElementsBut({3, 4}));
    EXPECT_EQ(List(Page::kFirstElementId)->currentIndex(), -1);
    EXPECT_EQ(List(Page::kInspectorId)->currentIndex(), -1); // its own answers

    // Freed on channel 1, element 3 is offered again.
    Press(WizardSheet::kBackId);
    EXPECT_EQ(ActivePageId(), kParameterList);
    EXPECT_EQ(state.ChannelPosition, 0);
    ShowChannel(0, Page::kDialogId);
    EXPECT_EQ(List(Page::kInspectorId)->currentText(), "Да"); // kept
    Choose(Page::kFirstElementId, Element(5));
    ShowChannel(1, Page::kDialogId);
    EXPECT_EQ(Entries(Page::kFirstElementId), ElementsBut({4, 5}));

    // Back from the first channel forgets every answer and element.
    ShowChannel(0, Page::kDialogId);
    Press(WizardSheet::kBackId);
    EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId);
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(Mask(k, OutputWhich::First) | Mask(k, OutputWhich::Second), 0) << k;
    ShowChannel(0, Page::kDialogId);
    EXPECT_EQ(List(Page::kInspectorId)->currentIndex(), -1);
    EXPECT_EQ(List(Page::kFirstElementId)->currentText(), Element(1));
}

// The keys an operator uses on a closed list: what they pass writes nothing.
TEST_F(ChannelPages, ArrowKeysWriteOnlyTheAnswerCommitted) {
    StartChannels(4, "2");
    ASSERT_EQ(ActivePageId(), Page::kDialogId);
    QComboBox* inspector = List(Page::kInspectorId);
    ASSERT_TRUE(inspector->hasFocus());
    QTest::keyClick(inspector, Qt::Key_Down); // "Нет"
    QTest::keyClick(inspector, Qt::Key_Down); // "Да"
    EXPECT_TRUE(NewJournal().empty());
    EXPECT_EQ(List(Page::kSecondElementId)->currentText(), Element(2));
    QTest::keyClick(inspector, Qt::Key_Return);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(NewJournal(), (Lines{"insp[0]=Включен #1"}));
    EXPECT_EQ(List(Page::kSecondElementId)->currentText(), Element(2)); // never cleared
    EXPECT_TRUE(inspector->hasFocus());

    // Leaving the list takes what it shows; Enter then presses nothing twice.
    QComboBox* computing = List(Page::kComputingId);
    computing->setFocus();
    QTest::keyClick(computing, Qt::Key_Down);
    EXPECT_TRUE(NewJournal().empty());
    List(Page::kLbaId)->setFocus();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(NewJournal(), (Lines{"cal.t[0]=Повторитель #0"}));
    EXPECT_EQ(computing->currentText(), "Нет");
}

TEST_F(ChannelPages, RefusedAnswersLeaveNoAnswer) {
    StartChannels(5, "2");
    ASSERT_EQ(ActivePageId(), Page::kDialogId);
    EXPECT_FALSE(List(Page::kInputsId)->isVisible());
    EXPECT_EQ(Entries(Page::kComputingId), (QStringList{"Повторитель", "Квадратный корень"}));
    Choose(Page::kInspectorId, "Нет");
    Choose(Page::kLbaId, "Нет контроля");
    EXPECT_EQ(NewJournal(), (Lines{"e.use[0]=Выключен #0", "rel.a[0]=Не подключен #0",
                                   "lba[0]=Нет контроля #0"}));

    sim().SetMenu(true); // the controller refuses every write
    prompter.Script(PromptAnswer::Ok);
    Choose(Page::kComputingId, "Квадратный корень");
    EXPECT_EQ(prompter.Shown().back().caption, "cal.t"); // the refusal, named
    EXPECT_EQ(List(Page::kComputingId)->currentIndex(), -1);
    prompter.Script(PromptAnswer::Ok);
    Choose(Page::kLbaId, "Есть контроль");
    EXPECT_EQ(prompter.Shown().back().caption, "lba");
    EXPECT_EQ(List(Page::kLbaId)->currentIndex(), -1);
    EXPECT_FALSE(NextOn());

    sim().SetMenu(false);
    Choose(Page::kComputingId, "Квадратный корень");
    EXPECT_FALSE(NextOn());
    Choose(Page::kLbaId, "Есть контроль");
    EXPECT_TRUE(NextOn());
    EXPECT_EQ(NewJournal(), (Lines{"cal.t[0]=Квадратный корень #2", "lba[0]=Есть контроль #1"}));
}

struct GateCase {
    int modification;
    QString sensor;
    QStringList inputs;     // offered after the sensor answer
    bool computingForced;   // "Нет" chosen and locked by the sensor
    Lines journal;          // of the sensor answer
};

const GateCase kGateCases[] = {
    {3, "Да", {"1", "2"}, true,
     {"dlp[0]=Датчик положения #1", "t.dp[0]=Не используется #0", "cal.t[0]=Повторитель #0"}},
    {6, "Датчик положения", {"1", "2", "3"}, false, {"dlp[0]=Датчик положения #1"}},
};

class GateValveCases : public ChannelPages, public testing::WithParamInterface<GateCase> {};

TEST_P(GateValveCases, SensorShapesTheQuestionsAndTheWalk) {
    const GateCase& c = GetParam();
    StartChannels(c.modification, "2");
    ASSERT_EQ(ActivePageId(), Gate::kDialogId);
    EXPECT_EQ(List(Gate::kInspectorId)->isVisible(), c.modification == 6);
    EXPECT_FALSE(NextOn());

    Choose(Gate::kSensorId, c.sensor);
    EXPECT_EQ(NewJournal(), c.journal);
    EXPECT_EQ(Entries(Gate::kInputsId), c.inputs);
    EXPECT_TRUE(wizard().State().PageEnabled(0, 9));
    EXPECT_EQ(List(Gate::kComputingId)->isEnabled(), !c.computingForced);
    if (c.computingForced) {
        EXPECT_EQ(List(Gate::kComputingId)->currentText(), "Нет");
        EXPECT_EQ(List(Gate::kInputsId)->currentText(), "1");
    } else {
        EXPECT_FALSE(NextOn());
        Choose(Gate::kComputingId, "Да");
        Choose(Gate::kInputsId, "3");
        sim().SetMenu(true); // a refused answer is taken back
        prompter.Script(PromptAnswer::Ok);
        Choose(Gate::kInspectorId, "Использовать");
        EXPECT_EQ(List(Gate::kInspectorId)->currentIndex(), -1);
        EXPECT_FALSE(NextOn());
        sim().SetMenu(false);
        Choose(Gate::kInspectorId, "Использовать");
        Choose(Gate::kLbaId, "Есть контроль");
        EXPECT_EQ(NewJournal(), (Lines{"e.use[0]=Включен #1", "lba[0]=Есть контроль #1"}));
    }
    EXPECT_TRUE(NextOn());
    const int inputs = List(Gate::kInputsId)->currentIndex();
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), kParameterList);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(wizard().State().PageEnabled(0, 1 + i) != 0, i <= inputs) << i;

    // The second channel has answers of its own; Back returns to the first
    // channel's last screen.
    ShowChannel(1, Gate::kDialogId);
    EXPECT_EQ(List(Gate::kSensorId)->currentIndex(), -1);
    Press(WizardSheet::kBackId);
    EXPECT_EQ(ActivePageId(), kParameterList);
    EXPECT_EQ(wizard().State().ChannelPosition, 0);
    EXPECT_EQ(wizard().State().PageKind, wizard().State().HighestEnabledKind(0));
}

INSTANTIATE_TEST_SUITE_P(Modifications, GateValveCases, testing::ValuesIn(kGateCases),
                         [](const auto& info) {
                             return "Modification" + std::to_string(info.param.modification);
                         });

} // namespace
