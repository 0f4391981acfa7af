// zrk640ctl changing the channel count of the simulated controller as the
// wizard does, seen from the controller's journal.

#include "util/ProgramDirectory.h"
#include "sim/SimServer.h"
#include "sim/Simulator.h"
#include "tests/link/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(ChannelCountCtlTest, WriteOfTheCountSetsUpTheNewChannel) {
    Simulator sim;
    Simulator::Options options;
    options.basePath = ProgramDirectory() + "parameters_m.zip";
    std::string error;
    ASSERT_TRUE(sim.Start(options, error)) << error;
    SimServer server(sim);
    ASSERT_TRUE(server.Start({}, error)) << error;
    TempDir dir;
    const std::string command = "ZRK640_CONFIG=" + dir.file("ZRK640.conf") + " " + ZRK640CTL +
                                " --port " + server.SlavePath() +
                                " --baud 9600 --addr 16 --addr-len 8 write n.Ch 2 >" +
                                dir.file("out") + " 2>" + dir.file("err");
    const int status = std::system(command.c_str());
    server.Stop();

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << Slurp(dir.file("err"));
    EXPECT_EQ(Slurp(dir.file("out")), "2\n");
    EXPECT_EQ(Slurp(dir.file("err")),
              "Конфигурирование каналов... 100%\nИнициализация Cal.t...\n");
    // Then, as the wizard's page does, every channel's computing block.
    EXPECT_EQ(sim.JournalLines(),
              (std::vector<std::string>{"n.Ch[0]=2", "regl[1]=Включен #1",
                                        "cal.t[8]=Повторитель #0", "od.tp[1]=Включен #1",
                                        "npc[16]=1", "se.p[2]=Один выходной элемент #1",
                                        "op[2]=Выходной элемент №2 #2",
                                        "cal.t[0]=Повторитель #0", "cal.t[8]=Повторитель #0"}));
}

} // namespace
