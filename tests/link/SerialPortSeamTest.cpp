// The port's direction control and error counters, with a stand-in for the
// modem-line ioctls a pseudo-terminal does not have.
#include "link/SerialPort.h"

#include <chrono>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <vector>

#include "PtyPeer.h"
#include "TempDir.h"
#include "link/TermiosLine.h"

namespace {

using Clock = std::chrono::steady_clock;
const std::string kRequest = "#GHIJKLMNOPQR\r";

struct LineScript {
    LineControl::Rts rts_answer = LineControl::Rts::Done;
    std::uint64_t overrun_step = 0;
    AbortEvent* abort_on_drain = nullptr;
    std::vector<std::pair<bool, Clock::time_point>> rts;
    std::uint64_t overruns = 0;
};

// Settings, purge and drain go to the real terminal; RTS and the counters
// are scripted.
class ScriptedLine final : public LineControl {
public:
    ScriptedLine(int fd, LineScript& script) : real_(fd), script_(script) {}
    int apply(const LineSettings& wanted) override { return real_.apply(wanted); }
    Rts set_rts(bool raised) override {
        script_.rts.emplace_back(raised, Clock::now());
        return script_.rts_answer;
    }
    bool start_kernel_rs485() override { return false; }
    bool drain() override {
        if (script_.abort_on_drain)
            script_.abort_on_drain->set();
        return real_.drain();
    }
    bool purge(int kind) override { return real_.purge(kind); }
    bool overruns(std::uint64_t& count) override {
        count = script_.overruns;
        script_.overruns += script_.overrun_step;
        return true;
    }

private:
    TermiosLine real_;
    LineScript& script_;
};

class SerialPortSeamTest : public ::testing::Test {
protected:
    SerialPortSeamTest() {
        ::setenv("ZRK640_CONFIG", temp.file("ZRK640.conf").c_str(), 1);
        port.settings().port_name = peer.port_path();
    }
    int exchange(std::deque<std::string> replies, std::string& reply) {
        if (port.open() != 0)
            return -100;
        peer.script(std::move(replies));
        peer.start();
        PortReply received;
        const int result = port.transfer(kRequest.data(), kRequest.size(), received);
        reply = received.text;
        return result;
    }

    TempDir temp;
    PtyPeer peer;
    LineScript script;
    SerialPort port{[this](int fd) { return std::make_unique<ScriptedLine>(fd, script); }};
};

TEST_F(SerialPortSeamTest, RtsIsDroppedOnOpenAndHeldForTheWholeFramePlusOneCharacter) {
    port.settings().baud_rate = 1200; // 9.2 ms a character: the hold is measurable
    std::string reply;
    ASSERT_EQ(exchange({"#OK\r"}, reply), SerialPort::kDone);
    EXPECT_EQ(reply, "#OK\r");
    ASSERT_EQ(script.rts.size(), 3u);
    EXPECT_FALSE(script.rts[0].first);
    EXPECT_TRUE(script.rts[1].first);
    EXPECT_FALSE(script.rts[2].first);
    const auto held = script.rts[2].second - script.rts[1].second;
    EXPECT_GE(held, port.timing().wire_time(kRequest.size() + 1));
}

TEST_F(SerialPortSeamTest, WithoutModemLinesNoTimeIsSpentHoldingRts) {
    script.rts_answer = LineControl::Rts::Unsupported;
    port.settings().baud_rate = 110; // holding RTS would take 1.5 s
    std::string reply;
    const auto start = Clock::now();
    EXPECT_EQ(exchange({"#OK\r"}, reply), SerialPort::kDone);
    EXPECT_LT(Clock::now() - start, port.timing().wire_time(kRequest.size()));
}

TEST_F(SerialPortSeamTest, OverrunDuringTheExchangeIsALineError) {
    script.overrun_step = 1;
    std::string reply;
    EXPECT_EQ(exchange({"#OK\r"}, reply), SerialPort::kLineError);
    EXPECT_TRUE(reply.empty());
}

TEST_F(SerialPortSeamTest, FailingRtsMeansTheDeviceIsGone) {
    PortReply reply;
    ASSERT_EQ(port.open(), 0);
    script.rts_answer = LineControl::Rts::Failed;
    EXPECT_EQ(port.transfer(kRequest.data(), kRequest.size(), reply), SerialPort::kDeviceGone);
    EXPECT_FALSE(port.is_open());
    EXPECT_FALSE(port.error_text().empty());
}

TEST_F(SerialPortSeamTest, ExitEventDuringTheWriteAbortsWithRtsDropped) {
    script.abort_on_drain = &port.exit_event();
    std::string reply;
    EXPECT_EQ(exchange({"#OK\r"}, reply), SerialPort::kAborted);
    ASSERT_FALSE(script.rts.empty());
    EXPECT_FALSE(script.rts.back().first);
    EXPECT_TRUE(reply.empty());
}

} // namespace
