#include "LinkTestBench.h"

#include "link/DeviceErrorTexts.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class DeviceLinkTest : public LinkTestBench {};

// Silent for the first `silent` requests, then a good reply to "dev".
ControllerPeer::Responder SilentThenReply(int silent, const std::string& noise = {}) {
    return [=](const Frame& request, int nth) {
        return nth < silent ? noise : ControllerPeer::Reply(request, request.hash, {'v', 'e', 'd'});
    };
}

TEST_F(DeviceLinkTest, GoodReplyCopiesDataAndSendsReadRequestToDeviceAddress) {
    peer.SetResponder(SilentThenReply(0));
    ASSERT_EQ(Exchange(kRead, "dev"), kLinkOk);
    EXPECT_EQ(Bytes(reply, reply + replyLength), (Bytes{'v', 'e', 'd'}));
    EXPECT_EQ(result.outcome(), ExchangeOutcome::Answered);
    const auto requests = peer.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].address, 16);
    EXPECT_TRUE(requests[0].request);
    EXPECT_EQ(requests[0].hash, hash_name("dev"));
}

struct RetryCase {
    const char* what;
    int silent; // requests answered by the noise
    std::string noise;
    int result;
    const char* text; // expected message, empty when none
    int requests;
};

void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << c.what;
}

class RetryTest : public LinkTestBench, public testing::WithParamInterface<RetryCase> {};

TEST_P(RetryTest, CountsFailuresUntilTheLimit) {
    const RetryCase& c = GetParam();
    peer.SetResponder(SilentThenReply(c.silent, c.noise));
    EXPECT_EQ(Exchange(kRead, "dev"), c.result) << c.what;
    EXPECT_EQ(message, c.text) << c.what;
    EXPECT_EQ(int(peer.Requests().size()), c.requests) << c.what;
}

const std::string kOverlong(60, 'G');

INSTANTIATE_TEST_SUITE_P(
    Limits, RetryTest,
    testing::Values(RetryCase{"three time-outs then a reply", 3, "", kLinkOk, "", 4},
                    RetryCase{"four time-outs", 4, "", kLinkNoReply,
                              "Таймаут при передаче данных (нет связи)", 4},
                    RetryCase{"15 lost starts then a reply", 15, "\r", kLinkOk, "", 16},
                    RetryCase{"16 lost starts", 99, "\r", kLinkError, "Потеря начала посылки.", 16},
                    RetryCase{"16 line errors then a reply", 16, kOverlong, kLinkOk, "", 17},
                    RetryCase{"17 line errors", 99, kOverlong, kLinkError,
                              "Неверны настройки порта.", 17},
                    RetryCase{"three garbled replies then a good one", 3, "#\r", kLinkOk, "", 4},
                    RetryCase{"four garbled replies", 99, "#\r", kLinkError, kReplyChecksumText,
                              4}));

TEST_F(DeviceLinkTest, BadRepliesGiveThreeWithTheirTexts) {
    std::string networkText;
    network_error_text(0x28, 1, networkText);
    const struct {
        ControllerPeer::Responder responder;
        std::string text;
    } cases[] = {
        {[](const Frame& r, int) { return ControllerPeer::ErrorReply(r, 0x28); },
         "Не найден дескриптор"},
        {[](const Frame& r, int) { return ControllerPeer::Reply(r, hash_name("ver"), {1}); },
         "Пришла посылка с кодом команды, отличным от посланной и от n.Err.\n"},
        {[](const Frame& r, int) {
             std::string s = ControllerPeer::Reply(r, r.hash, {1, 2});
             s[5] = s[5] == 'G' ? 'H' : 'G';
             return s;
         },
         kReplyChecksumText},
    };
    for (const auto& c : cases) {
        peer.SetResponder(c.responder);
        message.clear();
        EXPECT_EQ(Exchange(kRead, "dev"), kLinkError);
        EXPECT_EQ(message, c.text);
    }
    EXPECT_EQ(networkText, "Не найден дескриптор");
}

TEST_F(DeviceLinkTest, AddressOffsetAndBroadcast) {
    peer.SetResponder(SilentThenReply(0));
    link.Port().set_device_address(40);
    for (int offset : {0, 3, kBroadcastOffset})
        EXPECT_EQ(Exchange(kRead, "dev", {}, offset), kLinkOk);
    const auto requests = peer.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].address, 40);
    EXPECT_EQ(requests[1].address, 43);
    EXPECT_EQ(requests[2].address, kBroadcastAddress);
}

TEST_F(DeviceLinkTest, ExitEventSetBeforeTheCallSendsNothing) {
    peer.SetResponder(SilentThenReply(0));
    link.Port().exit_event().set();
    EXPECT_EQ(Exchange(kRead, "dev"), kLinkNothing);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(DeviceLinkTest, ExitEventFromAnotherThreadEndsTheWaitAtOnce) {
    // The peer's thread sets the event while the link waits for the reply.
    peer.SetResponder([this](const Frame&, int) {
        link.Port().exit_event().set();
        return std::string();
    });
    EXPECT_EQ(Exchange(kRead, "dev"), kLinkNothing);
    EXPECT_EQ(peer.Requests().size(), 1u);
}

TEST_F(DeviceLinkTest, FifteenDataBytesComeWhole) {
    const Bytes full{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    peer.SetResponder([full](const Frame& r, int) { return ControllerPeer::Reply(r, r.hash, full); });
    ASSERT_EQ(Exchange(kRead, "ver"), kLinkOk);
    EXPECT_EQ(Bytes(reply, reply + replyLength), full);
}

TEST_F(DeviceLinkTest, TooManyDataBytesAreRefusedBeforeSending) {
    EXPECT_EQ(Exchange(kWrite, "dev", Bytes(16, 1)), kLinkNothing);
    EXPECT_EQ(message, "Не могу зашифровать посылку (ф-я encode_buffer)");
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(DeviceLinkTest, VanishedAdapterEndsWithoutRetries) {
    peer.SetResponder([](const Frame&, int) { return ControllerPeer::kHangUp; });
    EXPECT_EQ(Exchange(kRead, "dev"), kLinkError);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(peer.Requests().size(), 1u);
}

class LongAddressTest : public LinkTestBench {
protected:
    LongAddressTest() : LinkTestBench(11) {}
};

TEST_F(LongAddressTest, ElevenBitAddressesTravelWhole) {
    peer.SetResponder(
        [](const Frame& r, int) { return ControllerPeer::Reply(r, r.hash, {1}, 11); });
    link.Port().set_device_address(1500);
    EXPECT_EQ(Exchange(kRead, "dev"), kLinkOk);
    EXPECT_EQ(Exchange(kRead, "dev", {}, kBroadcastOffset), kLinkOk);
    const auto requests = peer.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].address, 1500);
    EXPECT_EQ(requests[1].address, 255);
}

} // namespace
