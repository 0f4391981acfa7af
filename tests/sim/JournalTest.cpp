// The journal of accepted writes: in memory, in its file, and on stdin's
// "journal" command.

#include "SimBench.h"

#include "sim/ControlCommand.h"
#include "tests/link/TempDir.h"

#include <fstream>
#include <sstream>

namespace {

class JournalTest : public SimBench {
protected:
    static std::string Slurp(const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    TempDir dir;
};

TEST_F(JournalTest, AcceptedWritesAndAppliedCommandsAreAppendedAtOnce) {
    const std::string path = dir.file("journal.txt");
    std::ofstream(path) << "earlier run\n";
    Simulator::Options o = Defaults();
    o.journalPath = path;
    StartSim(o);

    EXPECT_EQ(Write("op", 2, "Выходной элемент №2"), 0);
    EXPECT_EQ(Write("op", 4, "Выходной элемент №2"), kLinkError); // element taken
    EXPECT_EQ(Write("S.OE", 1, "Свободен"), kLinkError);           // read-only
    EXPECT_EQ(Write("n.Ch", 0, "3"), 0);
    EXPECT_EQ(Write("Sp.lu", 3, "55.5"), 0);
    EXPECT_EQ(Write("APLY", 0, ""), 0);

    const std::vector<std::string> lines{"op[2]=Выходной элемент №2 #2", "n.Ch[0]=3",
                                         "Sp.lu[3]=55.500", "APLY"};
    EXPECT_EQ(sim->JournalLines(), lines);
    // Read while the simulator still runs: every line is flushed as written.
    EXPECT_EQ(Slurp(path), "earlier run\nop[2]=Выходной элемент №2 #2\nn.Ch[0]=3\n"
                           "Sp.lu[3]=55.500\nAPLY\n");
    EXPECT_EQ(ControlCommand::Run(*sim, "journal"),
              "op[2]=Выходной элемент №2 #2\nn.Ch[0]=3\nSp.lu[3]=55.500\nAPLY\nok");
}

TEST_F(JournalTest, AJournalThatCannotBeOpenedStopsTheStart) {
    Simulator::Options o = Defaults();
    o.journalPath = dir.file("missing/journal.txt");
    Simulator s;
    std::string error;
    EXPECT_FALSE(s.Start(o, error));
    EXPECT_NE(error.find("journal.txt"), std::string::npos);
}

} // namespace
