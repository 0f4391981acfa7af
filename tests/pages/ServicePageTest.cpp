// The service page against the simulated controller: the power-return
// reaction per modification, the indication list its worker reads, and the
// output elements assembled on its first showing.

#include "Screenshot.h"
#include "WizardOnSim.h"

#include "controls/CmyListCtrl.h"
#include "pages/ServicePage.h"

#include <QComboBox>

namespace {

struct ServiceCase {
    int modification;
    std::vector<std::string> reactions; // what the combo box offers
    const char* firstRow;
    bool assembles; // output elements connected on the first showing
};

class ServicePageOnSim : public WizardOnSim, public testing::WithParamInterface<ServiceCase> {
protected:
    void ShowService() {
        ASSERT_TRUE(wizard().ShowPageById(ServicePage::kDialogId));
        WaitRead();
    }
    // Until behv and the indication table are read.
    void WaitRead() {
        ASSERT_TRUE(WaitUntil(
            [this] {
                return !wizard().IsProcedureRunning() && Page()->isEnabled() && List()->rowCount() > 0;
            },
            10000));
    }
    WizardPage* Page() { return wizard().FindPageById(ServicePage::kDialogId); }
    CmyListCtrl* List() { return Control<CmyListCtrl>(ServicePage::kIndicationListId); }
    QComboBox* Reaction() { return Control<QComboBox>(ServicePage::kReactionId); }
    std::vector<std::string> Column(int column) { return ColumnTexts(*List(), column); }
    static bool HasLink(const std::vector<std::string>& journal) {
        return std::any_of(journal.begin(), journal.end(),
                           [](const std::string& line) { return line.rfind("op[", 0) == 0; });
    }
};

TEST_P(ServicePageOnSim, ShowsTheReactionAndTheIndicationOfTheConfiguredChannels) {
    const ServiceCase& c = GetParam();
    Simulator::Options options;
    options.model.modification = c.modification;
    StartWizard(options);
    WizardState& state = wizard().State();
    state.Modification = c.modification;
    state.ChannelCount = 3;
    state.PageKind = 82; // the channel walk has ended
    ShowService();
    EXPECT_EQ(wizard().windowTitle(), "Задание служебных параметров");
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
    std::vector<std::string> offered;
    for (int i = 0; i < Reaction()->count(); ++i)
        offered.push_back(Reaction()->itemText(i).toStdString());
    EXPECT_EQ(offered, c.reactions);
    // The controller's factory reaction is its choice 0, under this modification's name.
    EXPECT_EQ(Reaction()->currentIndex(), 0);
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"dp", "dp", "dp", "ind.r", "ind.s", "ind.t"}));
    EXPECT_EQ(Column(0)[0], c.firstRow);
    EXPECT_EQ(Column(2)[0], "1");
    EXPECT_EQ(Column(2)[5], "00:05");
    EXPECT_EQ(HasLink(NewJournal()), c.assembles);
    SaveScreenshot(wizard().grab(), ("service_page_m" + std::to_string(c.modification)).c_str());

    // Each later showing reads again, and assembles nothing.
    wizard().ShowPageById(FinishPage::kDialogId);
    ShowService();
    EXPECT_EQ(List()->rowCount(), 6);
    EXPECT_TRUE(NewJournal().empty());

    // A reaction chosen is written at once.
    const int stop = Reaction()->count() - 1;
    Reaction()->setCurrentIndex(stop);
    emit Reaction()->activated(stop);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(NewJournal(), std::vector<std::string>{"behv[0]=" + c.reactions.back() + " #2"});
}

// The finish page follows; Back from it gives the Exit button its label back.
TEST_F(ServicePageOnSim, NextEndsOnTheFinishPageAndBackRestoresExit) {
    StartWizard();
    wizard().State().Modification = 1;
    ShowService();
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), FinishPage::kDialogId);
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_EQ(Button(WizardSheet::kExitId)->text(), "&Готово");
    Press(WizardSheet::kBackId);
    WaitRead();
    EXPECT_EQ(ActivePageId(), ServicePage::kDialogId);
    EXPECT_EQ(Button(WizardSheet::kExitId)->text(), "Вы&ход");
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
}

// A reaction that could not be read is named in a box and claimed by no
// entry; with Back off, Next reads it again, and goes on once it is known.
TEST_F(ServicePageOnSim, AnUnreadReactionIsReadAgainWithNext) {
    StartWizard();
    wizard().State().Modification = 1;
    wizard().State().ChannelCount = 1;
    FaultSettings broken;
    broken.corruptPercent = 100;
    sim().SetFaults(broken);
    prompter.Script(PromptAnswer::Ok); // behv
    prompter.Script(PromptAnswer::Ok); // the indication table
    ShowService();
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[0].caption, "behv");
    EXPECT_EQ(prompter.Shown()[1].text, "Ошибка в контрольной сумме ответа");
    EXPECT_EQ(Reaction()->currentIndex(), -1);
    EXPECT_EQ(Column(2)[0], "Нет данных");
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
    sim().SetFaults({});
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), ServicePage::kDialogId);
    EXPECT_EQ(Reaction()->currentIndex(), 0);
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), FinishPage::kDialogId);
    EXPECT_TRUE(NewJournal().empty());
}

const std::vector<std::string> kStartReactions{"Переход в \"Старт\"", "Продолжение работы",
                                               "Переход в \"Стоп\""};

INSTANTIATE_TEST_SUITE_P(
    Modifications, ServicePageOnSim,
    testing::Values(
        ServiceCase{1, kStartReactions, "Индикация Входа №1", false},
        ServiceCase{2, {"Работа инспекторов", "Переход в \"Стоп\""}, "Индикация Входа №1", false},
        ServiceCase{4, kStartReactions, "Индикация Вычислителя №1", true}),
    [](const testing::TestParamInfo<ServiceCase>& info) {
        return "Modification" + std::to_string(info.param.modification);
    });

} // namespace
