// The channel count changed three ways: on the channel-count page, with
// "zrk640ctl write n.Ch" and with "zrk640ctl restore". Each starts from the
// same controller; the controller must be told the same in all three.

#include "WizardOnSim.h"
#include "pages/ChannelCountPage.h"
#include "pages/ModificationPage.h"
#include "sim/SimServer.h"
#include "tests/link/TempDir.h"
#include "util/ProgramDirectory.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

using Lines = std::vector<std::string>;

struct CountWay {
    int modification;
    int from;
    int to;
};

// The follow-ups differ by modification: the computing blocks of 1, the
// disconnected outputs of 3 and 6, the fixed wiring of 6, the pairs of 5.
const CountWay kWays[] = {{1, 1, 3}, {3, 1, 2}, {5, 2, 4}, {6, 1, 2}, {1, 3, 2}};

std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

class ChannelCountWays : public WizardOnSim, public testing::WithParamInterface<CountWay> {
protected:
    // The controller every way starts from; the simulator rewrites its state
    // file, so each start gets the file anew.
    Simulator::Options Controller() {
        std::ofstream(dir.file("state")) << "n.Ch:0=" << GetParam().from << "\n";
        Simulator::Options options;
        options.basePath = ProgramDirectory() + "parameters_m.zip";
        options.model.modification = GetParam().modification;
        options.statePath = dir.file("state");
        return options;
    }

    Lines ByPage() {
        StartWizard(Controller());
        ShowPage(ModificationPage::kDialogId);
        prompter.Script(PromptAnswer::No); // keep the controller's settings
        Press(WizardSheet::kNextId);
        EXPECT_EQ(ActivePageId(), ChannelCountPage::kDialogId);
        EXPECT_EQ(NewJournal(), Lines{"mod.v[0]=" + std::to_string(GetParam().modification)});
        Choose(ChannelCountPage::kCountId, QString::number(GetParam().to));
        Press(WizardSheet::kNextId);
        EXPECT_NE(ActivePageId(), ChannelCountPage::kDialogId);
        return NewJournal();
    }

    Lines ByCtl(const std::string& command) {
        Simulator controller;
        std::string error;
        EXPECT_TRUE(controller.Start(Controller(), error)) << error;
        SimServer server(controller);
        EXPECT_TRUE(server.Start({}, error)) << error;
        const std::string line = "ZRK640_CONFIG=" + dir.file("ZRK640.conf") + " " + ZRK640CTL +
                                 " --port " + server.SlavePath() +
                                 " --baud 9600 --addr 16 --addr-len 8 " + command + " >" +
                                 dir.file("out") + " 2>" + dir.file("err");
        const int status = std::system(line.c_str());
        server.Stop();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << command << ": " << Slurp(dir.file("err")) << Slurp(dir.file("out"));
        return controller.JournalLines();
    }

    TempDir dir;
};

TEST_P(ChannelCountWays, PageWriteAndRestoreTellTheControllerTheSame) {
    const std::string to = std::to_string(GetParam().to);
    const Lines page = ByPage();
    ASSERT_NE(std::find(page.begin(), page.end(), "n.Ch[0]=" + to), page.end());
    EXPECT_EQ(ByCtl("write n.Ch " + to), page);
    std::ofstream(dir.file("site.cfg")) << "n.Ch = " << to << "\n";
    EXPECT_EQ(ByCtl("restore --partial " + dir.file("site.cfg")), page);
}

INSTANTIATE_TEST_SUITE_P(Modifications, ChannelCountWays, testing::ValuesIn(kWays),
                         [](const auto& info) {
                             return "Modification" + std::to_string(info.param.modification) +
                                    "From" + std::to_string(info.param.from) + "To" +
                                    std::to_string(info.param.to);
                         });

} // namespace
