// The simulator answered through the core's DeviceLink over a pseudo-terminal.

#include "SimBench.h"

#include "link/NetworkErrors.h"

namespace {

class ProtocolTest : public SimBench {
protected:
    void SetUp() override { StartSim(); }
};

TEST_F(ProtocolTest, IdentityAnswersAsTheWizardReadsIt) {
    EXPECT_EQ(Value("dev"), "ZRK640");
    EXPECT_EQ(Value("ver"), "2.10");
    EXPECT_EQ(Value("mod.v"), "1");
    EXPECT_EQ(Value("exit"), "сброс по питанию");
    EXPECT_EQ(Value("n.Err"), "0");
}

TEST_F(ProtocolTest, WrittenValuesReadBackInTheirFormats) {
    const struct {
        const char* name;
        int index;
        const char* written;
        const char* read;
    } cases[] = {
        {"Sp.lu", 3, "55.5", "55.500"},     {"ti", 2, "12:34", "12:34"},
        {"n.Ch", 0, "3", "3"},              {"rEG.t", 7, "Двухпозиционный", "Двухпозиционный"},
        {"Addr", 0, "300", "300"},          {"bPS", 0, "115200", "115200"},
        {"in.SL", 0, "0.9", "0.900"},       {"SCA", 9, "-3.25", "-3.250"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Write(c.name, c.index, c.written), 0) << c.name << P(c.name, c.index).message;
        P(c.name, c.index).value.clear();
        EXPECT_EQ(Value(c.name, c.index), c.read) << c.name;
    }
}

TEST_F(ProtocolTest, RefusedRequestsGetTheirNetworkErrorCodes) {
    using namespace NetworkErrors;
    const struct {
        int request;
        const char* name;
        std::vector<std::uint8_t> data;
        std::uint8_t code;
    } cases[] = {
        {kRead, "nOnE", {}, kNoDescriptor},
        {kRead, "rEAd", {0, 8}, kIndexBeyond},          // inputs 0..7
        {kRead, "rEAd", {}, kDataSize},                 // index missing
        {kWrite, "S.OE", {1, 0, 0}, kRomParameter},     // read-only
        {kWrite, "n.Ch", {9}, kOutOfLimits},            // 1..8
        {kWrite, "ch.md", {7}, kOutOfLimits},           // 1..6
        {kWrite, "regl", {5, 0, 0}, kOutOfLimits},      // two choices
        {kWrite, "n.Ch", {1, 2, 3}, kDataSize},
        {kWrite, "Sp.lu", {0x50, 0x10, 0, 0}, kPointAbove3},
        {kWrite, "mod.v", {4}, kInvalidCombination},    // neither current nor 255
        {kWrite, "APLY", {1}, kDataSize},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Raw(c.request, c.name, c.data), kLinkError) << c.name;
        EXPECT_EQ(message, ErrorText(c.code)) << c.name;
    }
    EXPECT_EQ(Value("n.Err"), std::to_string(kDataSize)); // the last one
}

TEST_F(ProtocolTest, AttributeRequestReplySizeFollowsTheTransaction) {
    const std::uint16_t rEAd = hash_name("rEAd"), dev = hash_name("dev");
    ASSERT_EQ(Raw(kRead, "M.s.t.r.", {0, 3, std::uint8_t(rEAd >> 8), std::uint8_t(rEAd)}), 0);
    EXPECT_EQ(replyLength, 5);
    ASSERT_EQ(Raw(kRead, "M.s.t.r.", {std::uint8_t(dev >> 8), std::uint8_t(dev)}), 0);
    EXPECT_EQ(replyLength, 3);
    EXPECT_EQ(Raw(kRead, "M.s.t.r.", {0, 9, std::uint8_t(rEAd >> 8), std::uint8_t(rEAd)}),
              kLinkError);
}

TEST_F(ProtocolTest, AnswersOnlyItsOwnAddressAndBroadcast) {
    EXPECT_EQ(Raw(kRead, "dev", {}, 1), kLinkNoReply); // address 17
    EXPECT_EQ(Raw(kRead, "dev", {}, kBroadcastOffset), 0);
    EXPECT_EQ(Raw(kRead, "dev", {}, 0), 0);
}

TEST_F(ProtocolTest, MeasurementsMoveAsNumbersOrShowTheSensorOff) {
    const std::string value = Value("rEAd", 2);
    EXPECT_GT(std::stod(value), 10.0);
    ASSERT_EQ(Write("in-t", 2, "Вход не используется"), 0);
    EXPECT_EQ(Value("rEAd", 2), "Датчик отключен.");
    EXPECT_EQ(Value("Set.P", 5), "У регулятора отсутствует уставка или регулятор не работает.");
}

TEST_F(ProtocolTest, OutputElementStatesFollowTheLinks) {
    EXPECT_EQ(Value("S.OE", 0), "Регулятор №1");
    EXPECT_EQ(Value("S.OE", 1), "Свободен");
    EXPECT_EQ(Write("rel.a", 0, "Выходной элемент №1"), kLinkError); // element 1 is driven
    EXPECT_EQ(P("rel.a", 0).message, ErrorText(NetworkErrors::kInvalidCombination));
    ASSERT_EQ(Write("rel.a", 0, "Выходной элемент №2"), 0);
    EXPECT_EQ(Value("S.OE", 1), "Инспектор №1");
    ASSERT_EQ(Write("op", 0, "Не подключен"), 0);
    EXPECT_EQ(Value("S.OE", 0), "Свободен");
    ASSERT_EQ(Write("se.p", 2, "Два выходных элемента"), 0);
    ASSERT_EQ(Write("op", 2, "Выходной элемент №4"), 0);
    EXPECT_EQ(Value("S.OE", 3), "Задвижка №2");
}

TEST_F(ProtocolTest, GraphNodesMustAscendAndXWaitsForZeroNodes) {
    ASSERT_EQ(Write("node", 10, "3"), 0);
    EXPECT_EQ(Write("absc", 11, "5"), kLinkError);
    EXPECT_EQ(P("absc", 11).message, ErrorText(NetworkErrors::kXWithNodes));
    ASSERT_EQ(Write("node", 10, "0"), 0);
    ASSERT_EQ(Write("absc", 11, "50"), 0); // above node 3 (20.0)
    EXPECT_EQ(Write("node", 10, "3"), kLinkError);
    EXPECT_EQ(P("node", 10).message, ErrorText(NetworkErrors::kNodesNotAscending));
    EXPECT_EQ(Write("node", 10, "2"), 0);
    EXPECT_EQ(Value("node", 10), "2");
}

} // namespace
