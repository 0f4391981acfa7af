#include "link/ReplyAssembler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using State = ReplyAssembler::State;

struct Case {
    const char* what;
    std::vector<std::string> reads; // as the port delivers them, PARMRK marks included
    State state;
    std::string text;
};

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(ReplyAssembler, MarkedInputInPiecesAsThePortDeliversIt) {
    const Case cases[] = {
        {"plain reply", {"#AB\r"}, State::Complete, "#AB\r"},
        {"reply in pieces", {"#A", "B", "\r"}, State::Complete, "#AB\r"},
        {"no CR yet", {"#AB"}, State::Collecting, "#AB"},
        {"bytes after CR ignored", {"#A\rXYZ"}, State::Complete, "#A\r"},
        {"doubled FF is one data byte",
         {bytes({'#', 0xFF, 0xFF, '\r'})},
         State::Complete,
         bytes({'#', 0xFF, '\r'})},
        {"doubled FF split across reads",
         {bytes({'#', 0xFF}), bytes({0xFF, '\r'})},
         State::Complete,
         bytes({'#', 0xFF, '\r'})},
        {"parity error mark", {bytes({'#', 0xFF, 0, 'c', '\r'})}, State::LineError, "#"},
        {"break mark", {bytes({'#', 0xFF, 0, 0})}, State::LineError, "#"},
        {"mark split in three",
         {bytes({'#', 0xFF}), bytes({0}), bytes({'c'})},
         State::LineError,
         "#"},
        {"garbled escape", {bytes({'#', 0xFF, 'x'})}, State::LineError, "#"},
        {"CR as the character of an error mark",
         {bytes({'#', 0xFF, 0, '\r'})},
         State::LineError,
         "#"},
        {"44 characters with CR",
         {"#" + std::string(42, '0') + "\r"},
         State::Complete,
         "#" + std::string(42, '0') + "\r"},
        {"44 characters without CR",
         {"#" + std::string(43, '0') + "\r"},
         State::Overflow,
         "#" + std::string(43, '0')},
    };
    for (const auto& c : cases) {
        ReplyAssembler a;
        for (const auto& r : c.reads)
            a.feed(reinterpret_cast<const std::uint8_t*>(r.data()), r.size());
        EXPECT_EQ(a.state(), c.state) << c.what;
        EXPECT_EQ(a.text(), c.text) << c.what;
    }
}

TEST(ReplyAssembler, ResetForgetsAHalfReadMark) {
    ReplyAssembler a;
    const std::string first = bytes({'#', 0xFF});
    a.feed(reinterpret_cast<const std::uint8_t*>(first.data()), first.size());
    a.reset();
    const std::string second = bytes({0, '\r'});
    EXPECT_EQ(a.feed(reinterpret_cast<const std::uint8_t*>(second.data()), second.size()),
              State::Complete);
    EXPECT_EQ(a.text(), second);
}

} // namespace
