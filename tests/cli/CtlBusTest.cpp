// One configuration file onto several controllers of one line: restore and
// diff with --addresses against a simulated line of several controllers,
// seen from the summary table, the exit code, what each controller holds
// and its journal lines.

#include "CtlOnSim.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

constexpr auto npos = std::string::npos;
// Values the controllers do not hold from the start, and link settings that
// must stay each controller's own.
constexpr const char* kChanges = "Sp.lu[3] = 55.5\n"
                                 "op[2] = Выходной элемент №2\n"
                                 "Addr = 40\n"
                                 "bPS = 19200\n";

class CtlBusTest : public CtlOnSim {
protected:
    void StartLine(std::vector<int> addresses) {
        Simulator::Options options;
        options.link = LinkConfig::Standard();
        options.addresses = std::move(addresses);
        StartWith(options);
    }
    std::string File(const std::string& text, const std::string& name = "bus.cfg") {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    std::string At(int address, const char* name, int index = 0) const {
        std::string value;
        EXPECT_TRUE(sim.ValueAt(address, name, index, value)) << address << " " << name;
        return value;
    }
    // The summary's rows after its heading, each split into words.
    static std::vector<std::vector<std::string>> Table(const std::string& out) {
        const std::size_t heading = out.rfind("\nАдрес  ");
        std::vector<std::vector<std::string>> rows;
        if (heading == npos)
            return rows;
        std::istringstream lines(out.substr(out.find('\n', heading + 1) + 1));
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            rows.emplace_back(std::istream_iterator<std::string>(words),
                              std::istream_iterator<std::string>());
        }
        return rows;
    }
    std::vector<std::string> JournalOf(int address) const {
        const std::string tag = std::to_string(address) + ": ";
        std::vector<std::string> lines;
        for (const std::string& line : sim.JournalLines())
            if (line.rfind(tag, 0) == 0)
                lines.push_back(line.substr(tag.size()));
        return lines;
    }
    void ExpectOwnLinkSettings(int address) {
        EXPECT_EQ(At(address, "Addr"), std::to_string(address));
        EXPECT_EQ(At(address, "bPS"), "9600");
    }
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(CtlBusTest, AnAbsentControllerAndARefusedValueAreNamedAndTheRunGoesOn) {
    StartLine({1, 3});
    // On 3 the element the file wants is held by a link the file does not set.
    Outcome o = Run(Tcp() + "--addr 3 write op:4 \"Выходной элемент №2\"");
    ASSERT_EQ(o.exitCode, 0) << o.err;
    const std::size_t before = sim.JournalLines().size();

    o = Run(Tcp() + "restore --partial " + File(kChanges) + " --addresses 1-3");
    EXPECT_EQ(o.exitCode, 1) << o.out << o.err;
    EXPECT_EQ(Table(o.out), (Rows{{"1", "да", "2", "0", "записано", "все"},
                                 {"2", "нет", "-", "-", "не", "найден"},
                                 {"3", "да", "1", "1", "записано", "не", "все"}}))
        << o.out;
    EXPECT_NE(o.out.find("Адрес и параметры связи из файла не переносятся"), npos) << o.out;
    EXPECT_NE(o.out.find("op[2]: отказ"), npos) << o.out;

    EXPECT_EQ(At(1, "Sp.lu", 3), "55.500");
    EXPECT_EQ(At(1, "op", 2), "Выходной элемент №2");
    EXPECT_EQ(At(3, "Sp.lu", 3), "55.500");
    EXPECT_EQ(At(3, "op", 4), "Выходной элемент №2");
    EXPECT_NE(At(3, "op", 2), "Выходной элемент №2");
    ExpectOwnLinkSettings(1);
    ExpectOwnLinkSettings(3);
    EXPECT_EQ(JournalOf(1), (std::vector<std::string>{"Sp.lu[3]=55.500",
                                                      "op[2]=Выходной элемент №2 #2"}));
    EXPECT_EQ(JournalOf(3), (std::vector<std::string>{"op[4]=Выходной элемент №2 #2",
                                                      "Sp.lu[3]=55.500"}));
    EXPECT_EQ(sim.JournalLines().size(), before + 3); // nothing else, nothing at 2
}

TEST_F(CtlBusTest, ALineOfIdenticalControllersIsWrittenThenComparedUnitByUnit) {
    StartLine({1, 2, 3});
    Outcome o = Run(Tcp() + "restore --partial " + File(kChanges) + " --addresses 1-3");
    EXPECT_EQ(o.exitCode, 0) << o.out << o.err;
    EXPECT_EQ(Table(o.out), (Rows{{"1", "да", "2", "0", "записано", "все"},
                                 {"2", "да", "2", "0", "записано", "все"},
                                 {"3", "да", "2", "0", "записано", "все"}}))
        << o.out;
    for (int address : {1, 2, 3}) {
        EXPECT_EQ(At(address, "Sp.lu", 3), "55.500") << address;
        ExpectOwnLinkSettings(address);
        EXPECT_EQ(JournalOf(address).size(), 2u) << address;
    }

    o = Run(Tcp() + "diff --partial " + File(kChanges) + " --addresses 1,2,3");
    EXPECT_EQ(o.exitCode, 0) << o.out << o.err;
    EXPECT_EQ(Table(o.out), (Rows{{"1", "да", "0", "совпадает"},
                                 {"2", "да", "0", "совпадает"},
                                 {"3", "да", "0", "совпадает"}}))
        << o.out;

    // One unit drifts: only it is named.
    ASSERT_EQ(Run(Tcp() + "--addr 2 write Sp.lu:3 60").exitCode, 0);
    const std::size_t written = sim.JournalLines().size();
    o = Run(Tcp() + "diff --partial " + File(kChanges) + " --addresses 3,2,1");
    EXPECT_EQ(o.exitCode, 1) << o.out << o.err;
    EXPECT_EQ(Table(o.out), (Rows{{"3", "да", "0", "совпадает"},
                                 {"2", "да", "1", "есть", "различия"},
                                 {"1", "да", "0", "совпадает"}}))
        << o.out;
    EXPECT_NE(o.out.find("Адрес 2:\nSp.lu[3]: в файле 55.500, в приборе 60.000\n"), npos)
        << o.out;
    EXPECT_EQ(sim.JournalLines().size(), written); // diff writes nothing
}

// The command line is refused whole before anything is sent.
TEST_F(CtlBusTest, AddressListsThatCannotBeUsedAreCommandLineErrors) {
    StartLine({1, 2});
    const std::string file = File(kChanges);
    const std::string twice = File("Sp.lu[3] = 55.5\nop[2] = Выходной элемент №3\n"
                                   "rel.a[0] = Выходной элемент №3\n",
                                   "twice.cfg");
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"restore --partial " + file + " --addresses 5-3",
         "Недопустимое значение --addresses 5-3: диапазон '5-3' идет от большего адреса к "
         "меньшему"},
        {"restore --partial " + file + " --addresses 1,2,2",
         "Недопустимое значение --addresses 1,2,2: адрес 2 задан дважды"},
        {"diff --partial " + file + " --addresses 1-5,3",
         "Недопустимое значение --addresses 1-5,3: адрес 3 задан дважды"},
        {"diff --partial " + file + " --addresses 1,,3",
         "Недопустимое значение --addresses 1,,3: '' - не адрес и не диапазон адресов 0..2047"},
        {"diff --partial " + file + " --addresses 2048",
         "Недопустимое значение --addresses 2048: '2048' - не адрес"},
        {"diff --partial " + file + " --addresses 1-x", "Недопустимое значение --addresses 1-x"},
        {"restore --partial " + file + " --addresses 250-260",
         "Недопустимое значение --addresses 250-260: 255 - широковещательный адрес"},
        {"restore --partial " + file + " --addresses 1-3 --network",
         "--network только с одним адресом"},
        {"restore --partial " + file + " --addresses 1,2 --modification",
         "--modification только с одним адресом"},
        {"diff --partial " + file + " --addresses", "Не задано значение параметра --addresses"},
        {"restore --partial " + file + " --addresses 1,300",
         "Адрес 300 передается только 11-битными адресами (--addr-len 11)"},
        {"restore --partial " + twice + " --addresses 1,2",
         twice + ": В файле к одному Выходному элементу подключены op[2] и rel.a[0]"},
    };
    for (const auto& c : cases) {
        const Outcome o = Run(Tcp() + c.args);
        EXPECT_EQ(o.exitCode, 2) << c.args << "\n" << o.out << o.err;
        EXPECT_EQ(o.err.rfind(c.err, 0), 0u) << c.args << "\n" << o.err;
    }
    EXPECT_EQ(requests, 0);
    EXPECT_TRUE(sim.JournalLines().empty());
}

// A single address may take the file's link settings, as without a list.
TEST_F(CtlBusTest, OneAddressWithNetworkTakesTheFilesAddress) {
    StartLine({1, 2});
    const Outcome o = Run(Tcp() + "restore --partial --network " +
                          File("Sp.lu[3] = 55.5\nAddr = 40\n") + " --addresses 2");
    EXPECT_EQ(o.exitCode, 0) << o.out << o.err;
    EXPECT_EQ(Table(o.out), (Rows{{"2", "да", "2", "0", "записано", "все"}})) << o.out;
    EXPECT_EQ(At(2, "Addr"), "40");
    EXPECT_EQ(At(1, "Addr"), "1");
    EXPECT_TRUE(JournalOf(1).empty());
}

// Ctrl-C while the first controller is being written: it stops there, and
// the table says which addresses the run never reached.
TEST_F(CtlBusTest, CtrlCStopsTheRunAndTheTableNamesWhatWasNotTried) {
    Simulator::Options options;
    options.link = LinkConfig::Standard();
    options.addresses = {1, 2, 3};
    options.faults.delayMs = 100; // the first write is still unanswered when Ctrl-C comes
    StartWith(options);
    const std::string file = File(kChanges), out = dir.file("out"), err = dir.file("err");
    const std::string config = "ZRK640_CONFIG=" + dir.file("ZRK640.conf");
    const std::string port = "tcp://127.0.0.1:" + std::to_string(server.TcpPort());
    std::vector<std::string> args{ZRK640CTL, "--port", port,        "restore", "--partial",
                                  file,      "--addresses", "1-3"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> env{const_cast<char*>(config.c_str())};
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    env.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, ZRK640CTL, &files, nullptr, argv.data(), env.data()), 0);
    posix_spawn_file_actions_destroy(&files);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (JournalOf(1).empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(JournalOf(1).empty());
    ::kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string said = Slurp(out);
    EXPECT_EQ(Table(said), (Rows{{"1", "да", "0", "2", "прервано"},
                                {"2", "-", "-", "-", "не", "проверялся"},
                                {"3", "-", "-", "-", "не", "проверялся"}}))
        << said << Slurp(err);
    EXPECT_NE(said.find("Sp.lu[3]: прервано: записано ли 55.500, неизвестно"), npos) << said;
    EXPECT_NE(said.find("op[2]: не записано: прервано"), npos) << said;
    EXPECT_EQ(said.find("Адрес 2:"), npos);
    EXPECT_TRUE(JournalOf(2).empty());
    EXPECT_TRUE(JournalOf(3).empty());
}

// Two transmitters at once: the master hears neither.
TEST_F(CtlBusTest, RepliesOfTwoControllersAtOnceAreGarbled) {
    StartLine({1, 2});
    const Outcome o = Run(Tcp() + "--addr 255 read Sp.lu:3");
    EXPECT_EQ(o.exitCode, 1) << o.out;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(Run(Tcp() + "--addr 1 read Sp.lu:3").out, "");
}

} // namespace
