// The whole wizard from the welcome page to "Готово" as an operator drives
// it, in every modification, on a clean line and on a faulty one: the
// controller must end as the operator chose, and the journal must hold
// nothing that was not done.

#include "WizardWalk.h"

#include "pages/ChannelCountPage.h"
#include "pages/ChannelFunctionsPage.h"
#include "pages/FinishPage.h"
#include "pages/GateValveChannelPage.h"

#include <QElapsedTimer>

#include <map>
#include <utility>

namespace {

using Lines = std::vector<std::string>;
using Functions = ChannelFunctionsPage;
using Gate = GateValveChannelPage;

const std::vector<WalkRow> kRows = {
    {"M1x2", 1, 2, true, {}, "Pb", "12.5", true, 2},
    {"M1x1", 1, 1, false, {}},
    {"M2x2", 2, 2, false, {}, "", "", false, 1},
    {"M2x3", 2, 3, true, {}},
    {"M3x1", 3, 1, false, {{Gate::kSensorId, "Да"}}},
    {"M3x2", 3, 2, false, {{Gate::kSensorId, "Да"}}, "", "", false, 0},
    {"M4x1", 4, 1, false,
     {{Functions::kInspectorId, "Нет"}, {Functions::kComputingId, "Да"}, {Functions::kInputsId, "2"},
      {Functions::kLbaId, "Нет контроля"}}},
    {"M4x2", 4, 2, true,
     {{Functions::kInspectorId, "Да"}, {Functions::kComputingId, "Нет"},
      {Functions::kLbaId, "Есть контроль"}}},
    {"M5x2", 5, 2, false,
     {{Functions::kInspectorId, "Нет"}, {Functions::kLbaId, "Нет контроля"},
      {Functions::kComputingId, "Повторитель"}},
     "", "", true},
    {"M5x4", 5, 4, false,
     {{Functions::kInspectorId, "Нет"}, {Functions::kLbaId, "Нет контроля"},
      {Functions::kComputingId, "Квадратный корень"}}},
    {"M6x1", 6, 1, false, {{Gate::kSensorId, "Датчик положения"}}},
    {"M6x2", 6, 2, false,
     {{Gate::kSensorId, "Датчик положения"}, {Gate::kComputingId, "Нет"},
      {Gate::kInspectorId, "Использовать"}, {Gate::kLbaId, "Есть контроль"}}},
};

// "name[index]=value #choice" split into the key and the value without its choice number.
std::pair<std::string, std::string> Split(const std::string& line) {
    const std::size_t eq = line.find('=');
    std::string value = line.substr(eq + 1);
    const std::size_t hash = value.rfind(" #");
    if (hash != std::string::npos)
        value.erase(hash);
    return {line.substr(0, eq), value};
}

Lines Folded(const Lines& journal) {
    Lines folded;
    for (const std::string& line : journal)
        if (folded.empty() || folded.back() != line)
            folded.push_back(line);
    return folded;
}

struct WalkResult {
    Lines journal;
    std::map<std::string, std::string> state; // every key the walk wrote, as the controller holds it
};

class WholeWizard : public WizardWalk, public testing::WithParamInterface<std::pair<WalkRow, bool>> {
protected:
    // Walks to the finish page; the journal and every written key's state.
    WalkResult Walk(const WalkRow& row) {
        for (int step = 0; step < 400 && ActivePageId() != FinishPage::kDialogId; ++step) {
            Act(row);
            if (HasFatalFailure())
                break;
        }
        WalkResult result;
        result.journal = NewJournal();
        for (const std::string& line : result.journal)
            if (line.find('=') != std::string::npos) {
                const std::string key = Split(line).first;
                const std::size_t bracket = key.find('[');
                std::string value;
                if (bracket != std::string::npos &&
                    sim().Value(key.substr(0, bracket), std::stoi(key.substr(bracket + 1)), value))
                    result.state[key] = value;
            }
        return result;
    }

    // A whole walk with the checks any walk must pass; clean: only the
    // questions of the change of modification may be asked.
    WalkResult CheckedWalk(const WalkRow& row, FaultSettings faults, bool clean) {
        screens = 0;
        wentBack = edited = graphed = reacted = false;
        chosenReaction.clear();
        OperatorBoxes boxes(row.change);
        Start(row, faults);
        if (HasFatalFailure())
            return {};
        QElapsedTimer clock;
        clock.start();
        const WalkResult result = Walk(row);
        RecordProperty(clean ? "walk_ms" : "faulty_walk_ms", int(clock.elapsed()));
        EXPECT_EQ(ActivePageId(), FinishPage::kDialogId);
        EXPECT_EQ(Button(WizardSheet::kExitId)->text(), "&Готово");
        std::string value;
        EXPECT_EQ(sim().Modification(), row.modification);
        EXPECT_TRUE(sim().Value("n.Ch", 0, value) && value == std::to_string(row.channels)) << value;
        EXPECT_EQ(edited, *row.edited != 0);
        EXPECT_EQ(graphed, row.graph);
        EXPECT_EQ(reacted, row.reaction >= 0) << chosenReaction;
        // What the journal last wrote is what the controller holds, from the
        // change of modification on (the change itself resets the rest).
        std::map<std::string, std::string> last;
        for (const std::string& line : result.journal) {
            if (line.rfind("ch.md", 0) == 0)
                last.clear();
            else if (line.find('=') != std::string::npos)
                last[Split(line).first] = Split(line).second;
        }
        for (const auto& [key, written] : last) {
            const auto held = result.state.find(key);
            EXPECT_NE(held, result.state.end()) << key;
            if (held != result.state.end()) {
                EXPECT_EQ(held->second, written) << key;
            }
        }
        // Modification 5: both channels of a pair drive the pair's elements.
        for (int c = 0; row.modification == 5 && c < row.channels; ++c) {
            std::string own, pair;
            EXPECT_TRUE(sim().Value("op", 2 * c, own) && sim().Value("op", 2 * (c ^ 1), pair));
            EXPECT_EQ(own, pair) << "op[" << 2 * c << "]";
            EXPECT_NE(own, "Не подключен") << "op[" << 2 * c << "]";
        }
        if (clean) {
            for (const std::string& text : boxes.Texts())
                EXPECT_TRUE(text.find(kChangeQuestion) != std::string::npos ||
                            text.find(kNeededQuestion) != std::string::npos)
                    << text;
        }
        return result;
    }
};

TEST_P(WholeWizard, FromWelcomeToDoneAsTheOperatorChose) {
    const auto& [row, faulty] = GetParam();
    const WalkResult clean = CheckedWalk(row, FaultSettings{}, true);
    if (!faulty || HasFailure())
        return;
    // The same walk again, on a line that drops, corrupts and garbles
    // replies, and brings replies about other requests.
    FaultSettings faults;
    faults.dropPercent = 20;
    faults.corruptPercent = 10;
    faults.foreignPercent = 5;
    faults.garbagePercent = 5;
    const WalkResult result = CheckedWalk(row, faults, false);
    EXPECT_EQ(result.state, clean.state);
    EXPECT_EQ(Folded(result.journal), Folded(clean.journal));
}

// The line failing while the channels are reshaped: to the count page of
// modification 1, then a count far from the controller's.
class ChannelConfigurationFaults : public WholeWizard {
protected:
    // Call with the operator's boxes installed; line takes effect on the count page.
    void ToCount(const FaultSettings& line) {
        Start(kRows[1], {});
        WalkTo(kRows[1], ChannelCountPage::kDialogId);
        std::string stored;
        ASSERT_TRUE(sim().Value("n.Ch", 0, stored));
        target = stored == "8" ? "1" : "8";
        Choose(ChannelCountPage::kCountId, QString::fromStdString(target));
        NewJournal();
        sim().SetFaults(line);
    }
    std::string target;
};

TEST_F(ChannelConfigurationFaults, SilentControllerIsSaidAndNothingIsClaimed) {
    OperatorBoxes boxes(false);
    FaultSettings silent;
    silent.silentAfter = 12;
    ToCount(silent);
    QElapsedTimer clock;
    clock.start();
    Press(WizardSheet::kNextId);
    RecordProperty("silent_ms", int(clock.elapsed()));
    EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId); // not taken for done
    const Lines texts = boxes.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().rfind("n.Ch: ", 0), 0u) << texts.back(); // named in its caption
    EXPECT_NE(texts.back().find("нет связи"), std::string::npos) << texts.back();
    // The controller holds the last count the journal shows, short of the target.
    std::string count;
    for (const std::string& line : NewJournal())
        if (line.rfind("n.Ch[0]=", 0) == 0)
            count = line.substr(8);
    std::string stored;
    ASSERT_TRUE(sim().Value("n.Ch", 0, stored));
    EXPECT_EQ(stored, count.empty() ? stored : count);
    EXPECT_NE(stored, target);
}

std::vector<std::pair<WalkRow, bool>> Runs(bool faulty) {
    std::vector<std::pair<WalkRow, bool>> runs;
    for (const WalkRow& row : kRows)
        runs.emplace_back(row, faulty);
    return runs;
}

std::string RunName(const testing::TestParamInfo<std::pair<WalkRow, bool>>& info) {
    return info.param.first.name;
}

INSTANTIATE_TEST_SUITE_P(Clean, WholeWizard, testing::ValuesIn(Runs(false)), RunName);
INSTANTIATE_TEST_SUITE_P(DropsAndCorruption, WholeWizard, testing::ValuesIn(Runs(true)), RunName);

} // namespace
