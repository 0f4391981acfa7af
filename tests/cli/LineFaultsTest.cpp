// zrk640ctl on a poor line: each tool against the simulated controller
// with its fault switches, asserting what the controller holds (its state
// and journal) together with what the tool said.

#include "CtlOnSim.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

class LineFaultsTest : public CtlOnSim {
protected:
    // The keys ("Pb[0]") of the journal's lines.
    std::vector<std::string> JournalKeys() const {
        std::vector<std::string> keys;
        for (const std::string& line : sim.JournalLines())
            keys.push_back(line.substr(0, line.find('=')));
        return keys;
    }
    bool Journaled(const std::string& key) const {
        const std::vector<std::string> keys = JournalKeys();
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }
};

// A poor line with its seed.
struct FaultCase {
    const char* what;
    FaultSettings faults;
    unsigned seed;
    bool mustComplete = false; // a dump must then read every value
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.what << " seed " << c.seed;
}

class DumpFaultsTest : public LineFaultsTest, public testing::WithParamInterface<FaultCase> {};

// Every value right under a poor line; or every value not read named and marked
// in the file; or, once the line is dead, no file.
TEST_P(DumpFaultsTest, IsWholeOrNamesWhatItCouldNotRead) {
    const FaultCase& c = GetParam();
    Start(std::nullopt, {}, {}, c.seed);
    const std::string clean = dir.file("clean.cfg");
    ASSERT_EQ(Run(Pty() + "dump " + clean).exitCode, 0);
    sim.SetFaults(c.faults);
    const std::string file = dir.file("faults.cfg");
    const Outcome o = Run(Pty() + "dump " + file);
    sim.SetFaults({});
    if (c.mustComplete || o.exitCode == 0) {
        EXPECT_EQ(o.exitCode, 0) << o.err;
        EXPECT_EQ(Slurp(file), Slurp(clean));
        return;
    }
    EXPECT_EQ(o.exitCode, 1);
    if (!std::filesystem::exists(file)) {
        // The line went dead: no short file, and why.
        EXPECT_NE(o.err.find("Нет ответа от прибора"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Файл не записан."), std::string::npos) << o.err;
        return;
    }
    // Every value not read is named and marked unread in the file; every
    // other line is the clean dump's.
    std::istringstream got(Slurp(file)), want(Slurp(clean));
    std::string g, w;
    int unread = 0;
    while (std::getline(want, w)) {
        ASSERT_TRUE(std::getline(got, g)) << "the file ends early";
        if (g == w)
            continue;
        ++unread;
        const std::string key = g.substr(0, g.find(" = "));
        EXPECT_NE(g.find(" = Нет данных"), std::string::npos) << g;
        EXPECT_NE(o.err.find("Не прочитано " + key + ": "), std::string::npos) << key << o.err;
    }
    EXPECT_FALSE(std::getline(got, g)) << "the file goes on: " << g;
    EXPECT_GT(unread, 0);
}

FaultSettings Poor() {
    FaultSettings f;
    f.dropPercent = 20;
    f.corruptPercent = 10;
    f.foreignPercent = 5;
    return f;
}

FaultSettings Lossy() {
    FaultSettings f;
    f.dropPercent = 40;
    return f;
}

INSTANTIATE_TEST_SUITE_P(Seeds, DumpFaultsTest,
                         testing::Values(FaultCase{"poor line", Poor(), 1, true},
                                         FaultCase{"poor line", Poor(), 2, true},
                                         FaultCase{"poor line", Poor(), 3, true},
                                         FaultCase{"40 % dropped", Lossy(), 4, false}));

// A dead line ends the pass after a few parameters, naming that nobody answers.
TEST_F(LineFaultsTest, DumpOnADeadLineStopsEarly) {
    Start();
    FaultSettings silent;
    silent.silentAfter = 5;
    sim.SetFaults(silent);
    const Outcome o = Run(Pty() + "dump " + dir.file("dead.cfg"));
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Нет ответа от прибора: не прочитано еще "), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("dead.cfg")));
    // Two parameters of three exchanges of four transfers each after the silence.
    EXPECT_LE(requests, 5 + 2 * 12 + 2);
}

struct ReadCase {
    const char* what;
    FaultSettings faults;
    int exitCode;
    const char* said; // on stdout for 0, in stderr otherwise
};

// One read per line fault: answered after the retries, or the cause named.
TEST_F(LineFaultsTest, ReadTellsEachLineFaultApart) {
    Start();
    const auto with = [](auto set) {
        FaultSettings f;
        set(f);
        return f;
    };
    const ReadCase cases[] = {
        {"half dropped", with([](FaultSettings& f) { f.dropPercent = 50; }), 0, "ZRK640\n"},
        {"half garbled", with([](FaultSettings& f) { f.corruptPercent = 50; }), 0, "ZRK640\n"},
        {"half foreign", with([](FaultSettings& f) { f.foreignPercent = 50; }), 0, "ZRK640\n"},
        {"all garbled", with([](FaultSettings& f) { f.corruptPercent = 100; }), 1,
         "Ошибка в контрольной сумме ответа\n"},
        {"all foreign", with([](FaultSettings& f) { f.foreignPercent = 100; }), 1,
         "Пришла посылка с кодом команды, отличным от посланной и от n.Err.\n\n"},
        {"silent", with([](FaultSettings& f) { f.silentAfter = 0; }), 1,
         "Таймаут при передаче данных (нет связи)\n"},
        // Last: its late replies would answer the next run's same request.
        {"late beyond the time-out", with([](FaultSettings& f) { f.delayMs = 300; }), 0,
         "ZRK640\n"},
    };
    for (const ReadCase& c : cases) {
        sim.SetFaults(c.faults);
        const Outcome o = Run(Pty() + "read dev");
        sim.SetFaults({});
        EXPECT_EQ(o.exitCode, c.exitCode) << c.what << ": " << o.err;
        EXPECT_EQ(c.exitCode == 0 ? o.out : o.err, c.said) << c.what;
    }
}

// The late replies of one run never pass for the answers of the next.
TEST_F(LineFaultsTest, LateRepliesOfTheLastRunAreNotTakenForThisOne) {
    Start();
    FaultSettings late;
    late.delayMs = 300;
    sim.SetFaults(late);
    const Outcome dev = Run(Pty() + "read dev");
    const Outcome ver = Run(Pty() + "read ver");
    const Outcome check = Run(Pty() + "check");
    sim.SetFaults({});
    EXPECT_EQ(dev.out, "ZRK640\n");
    std::string version;
    ASSERT_TRUE(sim.Value("ver", 0, version));
    EXPECT_EQ(ver.out, version + "\n") << ver.err;
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_EQ(check.err.find("Безошибочный прием кадра"), std::string::npos) << check.err;
}

// restore losing the line midway: what it says was written is what the
// controller took, and what it says was not written never reached it.
TEST_F(LineFaultsTest, RestoreThatLosesTheLineSaysWhatWasWritten) {
    Start();
    const std::string file = dir.file("pb.cfg");
    {
        std::ofstream out(file);
        for (int i = 0; i < 8; ++i)
            out << "Pb[" << i << "] = " << 41 + i << "\n";
    }
    // The reads of restore are those of diff: the silence starts three writes later.
    ASSERT_EQ(Run(Pty() + "diff --partial " + file).exitCode, 1);
    const int reads = requests;
    requests = 0;
    FaultSettings silent;
    silent.silentAfter = reads + 6;
    sim.SetFaults(silent);
    const Outcome o = Run(Pty() + "restore --partial " + file);
    sim.SetFaults({});
    EXPECT_EQ(o.exitCode, 1) << o.out << o.err;
    int written = 0, notWritten = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string key = "Pb[" + std::to_string(i) + "]";
        const std::size_t at = o.out.find("  " + key + ": ");
        ASSERT_NE(at, std::string::npos) << key << " not named:\n" << o.out;
        const std::string line = o.out.substr(at, o.out.find('\n', at) - at);
        if (line.find(" -> ") != std::string::npos) {
            ++written;
            EXPECT_TRUE(Journaled(key)) << line;
        } else if (line.find("не записано: прибор не отвечает") != std::string::npos) {
            ++notWritten;
            EXPECT_FALSE(Journaled(key)) << line;
        } else {
            EXPECT_NE(line.find("неизвестно"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(written, 3) << o.out;
    EXPECT_GT(notWritten, 0) << o.out;
}

class RelinkFaultsTest : public CtlOnSim, public testing::WithParamInterface<FaultCase> {};

// relink claims only what the controller answered with: the old settings
// only while it works with them, the new ones only when it has them, and
// neither with the front-panel advice.
TEST_P(RelinkFaultsTest, ClaimsOnlyWhatTheControllerAnswered) {
    const FaultCase& c = GetParam();
    LinkConfig line;
    line.baud = 38400;
    line.address = 200;
    Start(line, {}, c.faults, c.seed);
    const Outcome o = Run(Pty() + "--baud 38400 --addr 200 relink --baud 19200 --addr 9");
    const LinkConfig now = sim.ActiveLink();
    const bool changed = now.baud == 19200u && now.address == 9;
    const bool kept = now.baud == 38400u && now.address == 200;
    ASSERT_TRUE(changed || kept);
    const std::string said = o.out + o.err;
    const bool claimsOld = said.find("Прибор работает с прежними параметрами связи.") !=
                           std::string::npos;
    const bool claimsNew = said.find("Прибор отвечает с новыми параметрами связи.") !=
                           std::string::npos;
    const bool lost = said.find("ни с новыми, ни с прежними") != std::string::npos;
    if (claimsOld) {
        EXPECT_TRUE(kept) << said;
    }
    EXPECT_EQ(claimsNew, o.exitCode == 0) << said;
    if (claimsNew) {
        EXPECT_TRUE(changed) << said;
    }
    if (changed && !claimsNew) {
        EXPECT_TRUE(lost) << said;
        EXPECT_NE(said.find("сбросом с передней панели"), std::string::npos) << said;
    }
}

FaultSettings Dropping(int percent) {
    FaultSettings f;
    f.dropPercent = percent;
    return f;
}

FaultSettings HangingUpAfter(long requests) {
    FaultSettings f;
    f.hangUpAfter = requests;
    return f;
}

INSTANTIATE_TEST_SUITE_P(PoorLines, RelinkFaultsTest,
                         testing::Values(FaultCase{"30 % dropped", Dropping(30), 1},
                                         FaultCase{"30 % dropped", Dropping(30), 2},
                                         FaultCase{"30 % dropped", Dropping(30), 3},
                                         FaultCase{"30 % dropped", Dropping(30), 4},
                                         FaultCase{"line pulled at APLY", HangingUpAfter(4), 1}));

} // namespace
