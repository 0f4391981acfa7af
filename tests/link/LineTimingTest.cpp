#include "link/LineTiming.h"

#include <gtest/gtest.h>

namespace {

struct TimingCase {
    std::uint32_t baud;
    int parity_code;
    int stop_bits;
    float char_ms;
    int interval;
    int multiplier;
    int reply_timeout;
};

TEST(LineTiming, CharacterTimeAndReplyTimeOut) {
    const TimingCase cases[] = {
        {9600, kParityNone, 1, 11000.0f / 9600, 2, 4, 170},
        {9600, kParityOff, 1, 10000.0f / 9600, 2, 4, 170},
        {9600, kParityEven, 2, 12000.0f / 9600, 2, 4, 170},
        {115200, kParityNone, 1, 11000.0f / 115200, 1, 2, 110},
        {2400, kParityNone, 1, 11000.0f / 2400, 7, 12, 410},
        {110, kParityNone, 1, 100.0f, 150, 250, 7550},
    };
    for (const auto& c : cases) {
        LineSettings s;
        s.baud_rate = c.baud;
        s.parity_code = c.parity_code;
        s.stop_bits = c.stop_bits;
        const LineTiming t(s);
        EXPECT_FLOAT_EQ(t.char_time_ms(), c.char_ms) << c.baud;
        EXPECT_EQ(t.read_interval_ms(), c.interval) << c.baud;
        EXPECT_EQ(t.read_multiplier_ms(), c.multiplier) << c.baud;
        EXPECT_EQ(t.reply_timeout_ms(), c.reply_timeout) << c.baud;
    }
}

TEST(LineTiming, WireTimeOfAFrame) {
    LineSettings s;
    s.baud_rate = 115200;
    const LineTiming t(s);
    // 44 characters of 11 bits at 115200 baud: 4.2014 ms.
    EXPECT_NEAR(static_cast<double>(t.wire_time(44).count()), 4.2014e6, 1e3);
    EXPECT_EQ(t.wire_time(0).count(), 0);
}

TEST(LineSettings, OnlyListedBaudRatesAreAccepted) {
    for (std::uint32_t baud : {110u, 300u, 600u, 1200u, 2400u, 4800u, 9600u, 14400u, 19200u, 28800u,
                               38400u, 56000u, 57600u, 115200u, 128000u})
        EXPECT_TRUE(LineSettings::is_listed_baud_rate(baud)) << baud;
    for (std::uint32_t baud : {0u, 100u, 230400u, 256000u, 9601u})
        EXPECT_FALSE(LineSettings::is_listed_baud_rate(baud)) << baud;
}

TEST(LineSettings, ParityIsCheckedBeforeByteSize) {
    LineSettings s;
    s.parity_code = 9;
    s.byte_size = 4;
    EXPECT_EQ(s.check(), -2);
    s.parity_code = kParitySpace;
    EXPECT_EQ(s.check(), -3);
    s.byte_size = 5;
    EXPECT_EQ(s.check(), 0);
}

} // namespace
