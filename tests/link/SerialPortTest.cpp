#include "link/SerialPort.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>

#include "LineReadback.h"
#include "PtyPeer.h"
#include "TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
const std::string kRequest = "#GHIJKLMNOPQR\r"; // 14 characters, like a read of one byte

class SerialPortTest : public ::testing::Test {
protected:
    SerialPortTest() {
        // Nothing a test runs may reach the settings file in ~/.config.
        ::setenv("ZRK640_CONFIG", temp.file("ZRK640.conf").c_str(), 1);
        port.settings().port_name = peer.port_path();
    }
    void SetUp() override { ASSERT_FALSE(peer.port_path().empty()); }

    void open_and_answer(std::deque<std::string> replies) {
        ASSERT_EQ(port.open(), 0);
        peer.script(std::move(replies));
        peer.start();
    }
    int exchange(std::string& reply) {
        PortReply received;
        const int result = port.transfer(kRequest.data(), kRequest.size(), received);
        reply = received.text;
        return result;
    }

    TempDir temp;
    PtyPeer peer;
    SerialPort port;
};

TEST_F(SerialPortTest, ReplyIsTakenUpToItsCarriageReturn) {
    open_and_answer({"#ABCD\r"});
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kDone);
    EXPECT_EQ(reply, "#ABCD\r");
    EXPECT_EQ(peer.requests(), std::vector<std::string>{kRequest});
}

TEST_F(SerialPortTest, WholeReplyComesDecodedAndGarbledOneAsTextAlone) {
    Frame answer;
    answer.address = 16;
    answer.hash = hash_name("dev");
    answer.data = {1, 2, 3};
    const std::string whole = encode_frame(answer, 8);
    std::string garbled = whole;
    garbled[6] = garbled[6] == 'G' ? 'H' : 'G';
    open_and_answer({whole, garbled});
    PortReply reply;
    ASSERT_EQ(port.transfer(kRequest.data(), kRequest.size(), reply), SerialPort::kDone);
    EXPECT_EQ(reply.text, whole);
    ASSERT_TRUE(reply.frame.has_value());
    EXPECT_EQ(reply.frame->address, 16);
    EXPECT_EQ(reply.frame->hash, answer.hash);
    EXPECT_EQ(reply.frame->data, answer.data);
    ASSERT_EQ(port.transfer(kRequest.data(), kRequest.size(), reply), SerialPort::kDone);
    EXPECT_EQ(reply.text, garbled);
    EXPECT_FALSE(reply.frame.has_value());
}

TEST_F(SerialPortTest, LongestReplyOfFifteenDataBytesArrivesWhole) {
    const std::string longest = "#" + std::string(42, 'G') + "\r";
    ASSERT_EQ(longest.size(), 44u);
    open_and_answer({longest});
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kDone);
    EXPECT_EQ(reply, longest);
}

TEST_F(SerialPortTest, DataByteFFPassesTheLineErrorMarking) {
    open_and_answer({"#\xFF"
                     "A\r"});
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kDone);
    EXPECT_EQ(reply, "#\xFF"
                     "A\r");
}

TEST_F(SerialPortTest, ReplyWithoutCarriageReturnTimesOut) {
    open_and_answer({"#ABCD"});
    EXPECT_EQ(port.timing().reply_timeout_ms(), 170); // 9600 baud, 8 bits, code 3, 1 stop bit
    std::string reply;
    const auto start = Clock::now();
    EXPECT_EQ(exchange(reply), SerialPort::kTimedOut);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(170));
    EXPECT_TRUE(reply.empty());
}

TEST_F(SerialPortTest, ParityErrorMarkGivesLineError) {
    ASSERT_EQ(port.open(), 0);
    // Without PARMRK the terminal passes the peer's bytes as they are, so
    // the peer can send the marks a real UART would insert.
    termios t{};
    ASSERT_EQ(::tcgetattr(peer.master_fd(), &t), 0);
    t.c_iflag &= ~static_cast<tcflag_t>(PARMRK);
    ASSERT_EQ(::tcsetattr(peer.master_fd(), TCSANOW, &t), 0);
    peer.script({std::string("#12\xFF\0c\r", 7), std::string("#\xFF\0\0", 4)});
    peer.start();
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kLineError);
    EXPECT_EQ(exchange(reply), SerialPort::kLineError);
    EXPECT_TRUE(reply.empty());
}

TEST_F(SerialPortTest, ExitEventDuringTheWaitAbortsAtOnce) {
    port.settings().baud_rate = 110; // a reply time-out of several seconds
    open_and_answer({""});
    std::thread exit_thread([&] {
        peer.wait_for_requests(1);
        port.exit_event().set();
    });
    std::string reply;
    const auto start = Clock::now();
    const int result = exchange(reply);
    const auto elapsed = Clock::now() - start;
    exit_thread.join();
    EXPECT_EQ(result, SerialPort::kAborted);
    EXPECT_LT(elapsed, std::chrono::milliseconds(port.timing().reply_timeout_ms()));
}

TEST_F(SerialPortTest, ExitEventSetBeforeMakesNoTransferUntilReset) {
    ASSERT_EQ(port.open(), 0);
    port.exit_event().set();
    std::string reply = "old";
    EXPECT_EQ(exchange(reply), SerialPort::kAborted);
    EXPECT_EQ(exchange(reply), SerialPort::kAborted);
    EXPECT_TRUE(reply.empty());
    pollfd p{peer.master_fd(), POLLIN, 0};
    EXPECT_EQ(::poll(&p, 1, 100), 0) << "nothing may have been sent";

    port.exit_event().reset();
    peer.script({"#OK\r"});
    peer.start();
    EXPECT_EQ(exchange(reply), SerialPort::kDone);
    EXPECT_EQ(reply, "#OK\r");
}

TEST_F(SerialPortTest, InputBeforeTheRequestIsPurged) {
    ASSERT_EQ(port.open(), 0);
    const std::string stale = "#STALE\r";
    ASSERT_EQ(::write(peer.master_fd(), stale.data(), stale.size()), ssize_t(stale.size()));
    pollfd p{port.native_handle(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 1000), 1);
    peer.script({"#FRESH\r"});
    peer.start();
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kDone);
    EXPECT_EQ(reply, "#FRESH\r");
}

TEST_F(SerialPortTest, PeerHangingUpEndsTheExchangeAndClosesThePort) {
    open_and_answer({PtyPeer::kHangUp});
    std::string reply;
    EXPECT_EQ(exchange(reply), SerialPort::kDeviceGone);
    EXPECT_FALSE(port.is_open());
    EXPECT_NE(port.error_text().find(peer.port_path()), std::string::npos);
    EXPECT_EQ(exchange(reply), SerialPort::kNotOpen);
}

TEST_F(SerialPortTest, CloseAndPurgeOnAClosedPort) {
    EXPECT_EQ(port.close(), -2);
    EXPECT_EQ(port.purge(0), -2);
    ASSERT_EQ(port.open(), 0);
    for (int kind : {0, 1, 2, 3, -1})
        EXPECT_EQ(port.purge(kind), 0) << kind;
    EXPECT_EQ(port.close(), 0);
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(port.close(), -2);
}

TEST_F(SerialPortTest, SecondOpenOfABusyPortFails) {
    ASSERT_EQ(port.open(), 0);
    SerialPort other;
    other.settings().port_name = peer.port_path();
    EXPECT_EQ(other.open(), -1);
    EXPECT_FALSE(other.is_open());
    EXPECT_NE(other.error_text().find("занят другой программой"), std::string::npos)
        << other.error_text();
}

TEST_F(SerialPortTest, EveryListedBaudRateIsSetAndReadBack) {
    for (std::uint32_t baud : {110u, 14400u, 28800u, 56000u, 57600u, 115200u, 128000u}) {
        port.settings().baud_rate = baud;
        ASSERT_EQ(port.open(), 0) << baud;
        EXPECT_EQ(read_back_baud(peer.master_fd()), baud);
        EXPECT_FLOAT_EQ(port.timing().char_time_ms(), 11000.0f / static_cast<float>(baud));
        EXPECT_EQ(port.close(), 0);
    }
}

TEST_F(SerialPortTest, FramingAPseudoTerminalCannotKeepIsNotARefusal) {
    port.settings().byte_size = 7;
    port.settings().parity_code = kParityMark;
    port.settings().stop_bits = 2;
    EXPECT_EQ(port.open(), 0);
}

struct BadSetting {
    const char* what;
    void (*change)(LineSettings&);
    int expected;
};

TEST_F(SerialPortTest, SettingsOutsideTheirRangesAreRefusedBeforeAnythingIsApplied) {
    const BadSetting cases[] = {
        {"byte size 4", [](LineSettings& s) { s.byte_size = 4; }, -3},
        {"byte size 9", [](LineSettings& s) { s.byte_size = 9; }, -3},
        {"stop bits 0", [](LineSettings& s) { s.stop_bits = 0; }, -2},
        {"stop bits 3", [](LineSettings& s) { s.stop_bits = 3; }, -2},
        {"parity 6", [](LineSettings& s) { s.parity_code = 6; }, -2},
        {"parity -1", [](LineSettings& s) { s.parity_code = -1; }, -2},
        {"baud 256000", [](LineSettings& s) { s.baud_rate = 256000; }, -2},
        {"baud 0", [](LineSettings& s) { s.baud_rate = 0; }, -2},
    };
    const std::uint32_t before = read_back_baud(peer.master_fd());
    for (const auto& c : cases) {
        port.settings() = LineSettings{};
        port.settings().port_name = peer.port_path();
        port.settings().baud_rate = 57600;
        c.change(port.settings());
        EXPECT_EQ(port.open(), c.expected) << c.what;
        EXPECT_FALSE(port.is_open()) << c.what;
        EXPECT_EQ(read_back_baud(peer.master_fd()), before) << c.what;
    }
}

TEST_F(SerialPortTest, NamesThatAreNoTerminalFailToOpen) {
    const std::string plain_file = temp.file("not-a-tty");
    std::ofstream(plain_file) << "x";
    const std::pair<std::string, int> cases[] = {
        {temp.file("missing"), -1},
        {plain_file, -2},
    };
    for (const auto& [name, expected] : cases) {
        port.settings().port_name = name;
        EXPECT_EQ(port.open(), expected) << name;
        EXPECT_FALSE(port.is_open()) << name;
    }
}

} // namespace
