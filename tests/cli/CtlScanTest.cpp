// scan and relink against controllers set up in ways nobody remembers, on a
// pseudo-terminal and behind a device server: what was found and said.

#include "CtlOnSim.h"

namespace {

constexpr auto npos = std::string::npos;

using CtlScanTest = CtlOnSim;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

struct ScanCase {
    LinkConfig line;
    bool tcp;
    std::string args;
    std::string found; // the one "Найден прибор" line
};

const std::string kQuick = "--baud 9600 --parity none --stop 1 --bits 8 --addr-len 8 ";

const ScanCase kScanCases[] = {
    // A pseudo-terminal carries no parity or data bits: every one of them reaches it.
    {{19200, 8, 1, 1, 8, 16},
     false,
     "--baud 19200 --stop 1 scan --all",
     "Найден прибор: адрес 16, 19200 бит/с, 8 бит, четность, стоп-бит 1, адрес 8 бит\n"},
    {{9600, 7, 2, 1, 8, 16},
     false,
     "--baud 9600 --stop 1 --addr-len 8 scan",
     "Найден прибор: адрес 16, 9600 бит/с, 7 бит, нечетность, стоп-бит 1, адрес 8 бит\n"},
    // The server keeps its own line: the controller's settings come from itself.
    {{19200, 8, 1, 2, 8, 16},
     true,
     "scan --all",
     "Найден прибор: адрес 16, 19200 бит/с, 8 бит, четность, стоп-бит 2, адрес 8 бит\n"},
    {{9600, 8, 0, 1, 8, 16},
     false,
     kQuick + "scan --no-broadcast --addresses 250-255",
     "Найден прибор: адрес 16, 9600 бит/с, 8 бит, без четности, стоп-бит 1, адрес 8 бит\n"},
    {{9600, 8, 0, 1, 11, 2000},
     false,
     "--baud 9600 --parity none --stop 1 --addr-len 11 scan --no-broadcast "
     "--addresses 1998-2001",
     "Найден прибор: адрес 2000, 9600 бит/с, 8 бит, без четности, стоп-бит 1, адрес 11 бит\n"},
};

class CtlScanFinds : public CtlOnSim, public testing::WithParamInterface<ScanCase> {};

TEST_P(CtlScanFinds, EachControllerOnceWithItsOwnSettings) {
    const ScanCase& c = GetParam();
    Start(c.line);
    const Outcome o = Run((c.tcp ? Tcp() : Pty()) + c.args);
    EXPECT_EQ(o.exitCode, 0) << c.args << "\n" << o.err;
    EXPECT_EQ(Count(o.out, "Найден прибор"), 1) << c.args << "\n" << o.out;
    EXPECT_NE(o.out.find(c.found), npos) << c.args << "\n" << o.out;
    EXPECT_EQ(o.err.find("сервер последовательных портов") != npos, c.tcp) << o.err;
}

INSTANTIATE_TEST_SUITE_P(Setups, CtlScanFinds, testing::ValuesIn(kScanCases));

// Every baud rate, both data lengths, parities, stop bits and address lengths.
TEST_F(CtlScanTest, FullScanCountsEverySetting) {
    Start();
    const Outcome o = Run(Pty() + "scan");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.err.find("Поиск: 9600 бит/с, 8 бит, без четности, стоп-бит 1, адрес 8 бит - 0 из "
                         "216, осталось не более "),
              npos)
        << o.err;
}

TEST_F(CtlScanTest, RelinkBehindADeviceServerWarns) {
    Start();
    const Outcome o = Run(Tcp() + "relink --addr 17");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.err.find("сервер последовательных портов"), npos) << o.err; // the address is safe
    const Outcome baud = Run(Tcp() + "--addr 17 relink --baud 19200");
    EXPECT_NE(baud.err.find("Внимание: tcp://127.0.0.1:" + std::to_string(server.TcpPort()) +
                            " - сервер последовательных портов"),
              npos)
        << baud.err;
}

} // namespace

namespace {

// check's triage names the settings the controller itself reports.
TEST_F(CtlScanTest, CheckScanNamesTheControllersOwnSettings) {
    Start(LinkConfig{19200, 8, 1, 1, 8, 16});
    const Outcome o = Run(Pty() + "--baud 9600 check --scan");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Прибор отвечает с другими параметрами связи: адрес 16, 19200 бит/с, 8 "
                         "бит, четность, стоп-бит 1, адрес 8 бит"),
              npos)
        << o.err;
}

} // namespace
