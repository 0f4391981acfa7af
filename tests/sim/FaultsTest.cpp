// Fault switches, noise on the line, TCP, and the state file.

#include "SimBench.h"

#include "sim/ControlCommand.h"
#include "sim/RequestAssembler.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class FaultsTest : public SimBench {
protected:
    void SetUp() override { StartSim(); }
    void Faults(const std::string& command) {
        ASSERT_EQ(ControlCommand::Run(*sim, command), "ok") << command;
    }
};

TEST_F(FaultsTest, EachReplyFaultShowsAsTheWizardWouldSeeIt) {
    const struct {
        const char* command;
        int expected;
        const char* message;
    } cases[] = {
        {"drop 100", kLinkNoReply, "Таймаут при передаче данных (нет связи)"},
        {"corrupt 100", kLinkError, "Ошибка в контрольной сумме ответа"},
        {"foreign 100", kLinkError,
         "Пришла посылка с кодом команды, отличным от посланной и от n.Err.\n"},
        // Past all four time-outs of one exchange (170 ms each at 9600 baud).
        {"delay 1000", kLinkNoReply, "Таймаут при передаче данных (нет связи)"},
    };
    for (const auto& c : cases) {
        Faults(c.command);
        EXPECT_EQ(Raw(kRead, "dev", {}), c.expected) << c.command;
        EXPECT_EQ(message, c.message) << c.command;
        Faults("faults off");
        link.Port().purge(0); // a late reply must not meet the next request
        EXPECT_EQ(Value("dev"), "ZRK640") << "after " << c.command;
    }
}

TEST_F(FaultsTest, GarbageNeverPassesAsAReply) {
    Faults("garbage 100");
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(Raw(kRead, "dev", {}), 0);
}

TEST_F(FaultsTest, SilentAfterCountsRequests) {
    Faults("silent-after 2");
    EXPECT_EQ(Raw(kRead, "dev", {}), 0);
    EXPECT_EQ(Raw(kRead, "ver", {}), 0);
    EXPECT_EQ(Raw(kRead, "dev", {}), kLinkNoReply);
    Faults("silent-after off");
    EXPECT_EQ(Raw(kRead, "dev", {}), 0);
}

TEST_F(FaultsTest, PulledAdapterEndsTheExchangeAndPluggingInComesBack) {
    Faults("hang-up-after 0");
    EXPECT_NE(Raw(kRead, "dev", {}), 0);
    EXPECT_FALSE(sim->LineUp());
    Faults("plug");
    link.Port().close();
    for (int i = 0; i < 100 && server->SlavePath() == link.Port().settings().port_name; ++i)
        AbortEvent("wait").wait(10);
    link.Port().settings().port_name = server->SlavePath();
    ASSERT_EQ(link.Port().open(), 0);
    EXPECT_EQ(Value("dev"), "ZRK640");
}

TEST_F(FaultsTest, RandomBytesNeverStopTheAnswers) {
    const int noise = ::open(server->SlavePath().c_str(), O_WRONLY | O_NOCTTY);
    ASSERT_GE(noise, 0);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(1 + random() % 200, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        // The noise travels towards the controller as if sent on the line.
        ASSERT_EQ(::write(noise, bytes.data(), bytes.size()), ssize_t(bytes.size()));
        EXPECT_EQ(Value("dev"), "ZRK640") << "round " << round;
    }
    ::close(noise);
}

TEST(RequestAssemblerTest, ResynchronisesOnEveryStartCharacter) {
    RequestAssembler assembler;
    std::vector<std::string> frames;
    const auto sink = [&](std::string_view f) { frames.emplace_back(f); };
    const std::string stream = "xx#GG\r#HGH#AB\rjunk\r#" + std::string(60, 'G') + "\r#Q\r";
    assembler.Feed(stream.data(), stream.size(), sink);
    EXPECT_EQ(frames, (std::vector<std::string>{"#GG\r", "#AB\r", "#Q\r"}));
}

TEST(RequestAssemblerTest, RandomBytesOnlyGiveTextsFromStartToEnd) {
    RequestAssembler assembler;
    std::mt19937 random(11);
    std::string bytes(100000, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() % 4 == 0 ? "#\r"[random() % 2] : random());
    int count = 0;
    assembler.Feed(bytes.data(), bytes.size(), [&](std::string_view f) {
        ++count;
        EXPECT_EQ(f.front(), '#');
        EXPECT_EQ(f.back(), '\r');
        EXPECT_LE(f.size(), std::size_t(frame_length(kMaxFrameData)));
    });
    EXPECT_GT(count, 0);
}

TEST(TcpTest, AnswersOnLoopback) {
    Simulator sim;
    std::string error;
    Simulator::Options o = SimBench::Defaults();
    ASSERT_TRUE(sim.Start(o, error)) << error;
    SimServer server(sim);
    ASSERT_TRUE(server.Start({false, "", "127.0.0.1:0", {}, {}}, error)) << error;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(server.TcpPort()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string request = encode_frame(Frame{16, true, hash_name("dev"), {}}, 8);
    ASSERT_EQ(::write(fd, request.data(), request.size()), ssize_t(request.size()));
    std::string text;
    char buffer[64];
    pollfd p{fd, POLLIN, 0};
    while (text.find('\r') == std::string::npos && ::poll(&p, 1, 2000) == 1) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    Frame reply;
    ASSERT_EQ(decode_frame(text, 8, reply), kFrameOk) << text;
    EXPECT_EQ(std::string(reply.data.rbegin(), reply.data.rend()), "ZRK640");
    ::close(fd);
}

class StateFileTest : public SimBench {
protected:
    std::string path = testing::TempDir() + "zrk640-sim-state-" + std::to_string(::getpid());
    void TearDown() override {
        SimBench::TearDown();
        for (const std::string& file : {path, path + ".3", path + ".4"})
            std::remove(file.c_str());
    }
};

TEST_F(StateFileTest, ValuesSurviveARestart) {
    Simulator::Options o = Defaults();
    o.statePath = path;
    StartSim(o);
    ASSERT_EQ(Write("Sp.lu", 6, "77.25"), 0);
    ASSERT_EQ(Write("rEG.t", 1, "Двухпозиционный"), 0);
    server->Stop();
    Simulator again;
    std::string error, value;
    ASSERT_TRUE(again.Start(o, error)) << error;
    ASSERT_TRUE(again.Value("Sp.lu", 6, value));
    EXPECT_EQ(value, "77.250");
    ASSERT_TRUE(again.Value("rEG.t", 1, value));
    EXPECT_EQ(value, "Двухпозиционный");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(StateFileTest, SeveralControllersOnTheLineKeepAFileEach) {
    Simulator::Options o = Defaults();
    o.statePath = path;
    o.addresses = {3, 4};
    StartSim(o);
    link.Port().set_device_address(3);
    ASSERT_EQ(Write("Sp.lu", 6, "77.25"), 0);
    server->Stop();
    EXPECT_FALSE(std::filesystem::exists(path));
    Simulator again;
    std::string error, value;
    ASSERT_TRUE(again.Start(o, error)) << error;
    ASSERT_TRUE(again.ValueAt(3, "Sp.lu", 6, value));
    EXPECT_EQ(value, "77.250");
    ASSERT_TRUE(again.ValueAt(4, "Sp.lu", 6, value));
    EXPECT_EQ(value, "100.000");
    ASSERT_TRUE(again.ValueAt(4, "Addr", 0, value));
    EXPECT_EQ(value, "4");
    EXPECT_FALSE(again.ValueAt(16, "Addr", 0, value));
}

TEST_F(StateFileTest, BadLinesAreRefusedAndTheFileIsKept) {
    for (const char* bad : {"Sp.lu:6=много", "nOnE:0=1", "Sp.lu=1", "regl:99=Включен"}) {
        { std::ofstream(path) << "Sp.lu:3=5.000\n" << bad << '\n'; }
        Simulator sim;
        std::string error;
        Simulator::Options o = Defaults();
        o.statePath = path;
        EXPECT_FALSE(sim.Start(o, error)) << bad;
        EXPECT_NE(error.find(":2:"), std::string::npos) << error;
        std::ifstream in(path);
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first, "Sp.lu:3=5.000");
    }
}

} // namespace
