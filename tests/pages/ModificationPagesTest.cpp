// The modification and channel-count pages against the simulated controller:
// what the operator sees and what the controller was told.

#include "WizardOnSim.h"

#include "config/WizardState.h"
#include "pages/ChannelCountPage.h"
#include "pages/ModificationPage.h"
#include "util/ProgramDirectory.h"

#include <QComboBox>
#include <QListWidget>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

constexpr int kWelcome = 137;
constexpr int kGateValve = 191;
constexpr int kFunctions = 194;
constexpr int kParameterList = 107;

bool StartsWith(const std::string& line, const std::string& head) {
    return line.rfind(head, 0) == 0;
}

// The values written to "n.Ch", in order.
Lines CountWrites(const Lines& journal) {
    Lines counts;
    for (const std::string& line : journal)
        if (StartsWith(line, "n.Ch[0]="))
            counts.push_back(line.substr(8));
    return counts;
}

class ModificationPages : public WizardOnSim {
protected:
    ModificationPage& Page() {
        return *static_cast<ModificationPage*>(wizard().FindPageById(ModificationPage::kDialogId));
    }
    QImage Icon() {
        return wizard().windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QImage Picture(int entry) {
        return Page().Picture(entry).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QString Description() { return Control<QTextEdit>(ModificationPage::kDescriptionId)->toPlainText(); }
};

TEST_F(ModificationPages, SelectionSetsIconDescriptionAndTheModificationUsedLater) {
    Simulator::Options options;
    options.model.modification = 2;
    options.model.changeTime = 60ms;
    StartWizard(options);
    Page().SetChangeTiming({30ms, 20});
    ShowPage(ModificationPage::kDialogId);

    auto* list = Control<QListWidget>(ModificationPage::kListId);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->currentRow(), 1); // detected
    EXPECT_EQ(wizard().State().Modification, 2);
    EXPECT_EQ(Icon(), Picture(1));
    EXPECT_TRUE(Description().contains("Модификация 02"));

    list->setCurrentRow(4);
    EXPECT_EQ(Icon(), Picture(4));
    EXPECT_EQ(wizard().State().Modification, 5);
    EXPECT_TRUE(Description().contains("Модификация 05"));

    // A description that is not there is said; the rest of the page works.
    Page().SetDescriptionFolder("/nonexistent/");
    prompter.Script(PromptAnswer::Ok);
    list->setCurrentRow(2);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].text, "Файл /nonexistent/3.rtf не найден!");
    EXPECT_EQ(Icon(), Picture(2));
    Page().SetDescriptionFolder(ProgramDirectory());
    list->setCurrentRow(4);

    Press(WizardSheet::kBackId);
    EXPECT_EQ(ActivePageId(), kWelcome);
    EXPECT_EQ(wizard().State().Modification, 5);
    ShowPage(ModificationPage::kDialogId);

    prompter.Script(PromptAnswer::Yes); // change the controller's modification
    Press(WizardSheet::kNextId);
    EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId);
    EXPECT_EQ(NewJournal(), (Lines{"mod.v[0]=2", "ch.md[0]=5"}));
    EXPECT_EQ(sim().Modification(), 5);
    EXPECT_EQ(Entries(ChannelCountPage::kCountId), (QStringList{"2", "4", "6", "8"}));
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled()); // the controller's 1 is no choice
}

struct CountCase {
    int modification;
    const char* stored; // the controller's "n.Ch"
    QStringList entries;
    QString shown; // selected on arrival; empty: none, and Next off
    QString chosen;
    int destination;
    Lines counts;   // written to "n.Ch"
    Lines written;  // lines the journal must hold besides
    bool outputsOff; // every "op" and "se.p" at choice 0 at the end
};

const QStringList kEight{"1", "2", "3", "4", "5", "6", "7", "8"};
const QStringList kFour{"1", "2", "3", "4"};

const CountCase kCountCases[] = {
    {1, "1", kEight, "1", "2", kParameterList, {"2"},
     {"cal.t[0]=Повторитель #0", "cal.t[8]=Повторитель #0"}, false},
    {2, "1", kEight, "1", "3", kParameterList, {"2", "3"}, {}, false},
    {3, "1", kFour, "1", "2", kGateValve, {"2"}, {}, true},
    {4, "1", kFour, "1", "1", kFunctions, {}, {}, false},
    {5, "1", {"2", "4", "6", "8"}, "", "4", kFunctions, {"2", "3", "4"}, {}, false},
    {6, "3", {"1", "2"}, "", "2", kGateValve, {"2"},
     {"r.el[0]=Дискретный #1", "r.el[7]=Дискретный #1", "t.in.[3]=Вход #0",
      "t.in.[11]=Вход #0", "in.[3]=3", "in.[11]=7"},
     true},
};

class ChannelCountCases : public ModificationPages, public testing::WithParamInterface<CountCase> {};

TEST_P(ChannelCountCases, OffersTheCountsWritesThemAndLeadsOn) {
    const CountCase& c = GetParam();
    // The simulator keeps its values in this file: one of its own per run.
    const std::string state = testing::TempDir() + "zrk-count-" + std::to_string(getpid()) + ".txt";
    std::ofstream(state) << "n.Ch:0=" << c.stored << "\n";
    Simulator::Options options;
    options.model.modification = c.modification;
    options.statePath = state;
    StartWizard(options);
    std::remove(state.c_str());
    ShowPage(ModificationPage::kDialogId);
    prompter.Script(PromptAnswer::No); // keep the controller's settings
    Press(WizardSheet::kNextId);
    ASSERT_EQ(ActivePageId(), ChannelCountPage::kDialogId);

    EXPECT_EQ(Entries(ChannelCountPage::kCountId), c.entries);
    EXPECT_EQ(Control<QComboBox>(ChannelCountPage::kCountId)->currentText(), c.shown);
    EXPECT_EQ(Button(WizardSheet::kNextId)->isEnabled(), !c.shown.isEmpty());
    Choose(ChannelCountPage::kCountId, c.chosen);
    Press(WizardSheet::kNextId);

    EXPECT_EQ(ActivePageId(), c.destination);
    EXPECT_EQ(wizard().State().ChannelCount, c.chosen.toInt());
    EXPECT_EQ(wizard().State().Features(), FeaturesOf(c.modification));
    const Lines journal = NewJournal();
    EXPECT_EQ(journal.front(), "mod.v[0]=" + std::to_string(c.modification));
    EXPECT_EQ(CountWrites(journal), c.counts);
    for (const std::string& line : c.written)
        EXPECT_NE(std::find(journal.begin(), journal.end(), line), journal.end()) << line;
    if (c.outputsOff) {
        std::string value;
        for (int i = 0; i < 16; ++i)
            EXPECT_TRUE(sim().Value("op", i, value) && value == "Не подключен") << "op " << i;
        for (int i = 0; i < 16; i += 2)
            EXPECT_TRUE(sim().Value("se.p", i, value) && value == "Отключен") << "se.p " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Modifications, ChannelCountCases, testing::ValuesIn(kCountCases),
                         [](const auto& info) {
                             return "Modification" + std::to_string(info.param.modification);
                         });

} // namespace
