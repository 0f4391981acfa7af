#include "LinkTestBench.h"

#include "device/DeviceOperations.h"

#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

class DeviceOperationsTest : public LinkTestBench {
protected:

    Parameter* Add(const char* name, int index, const char* format, bool indexed = true) {
        auto p = std::make_unique<Parameter>(name);
        p->index = index;
        p->indexed = indexed;
        p->format = format;
        return link.Table().Adopt(std::move(p));
    }

    // Writes the peer saw, as (name hash, data).
    std::vector<std::pair<std::uint16_t, Bytes>> Writes() const {
        std::vector<std::pair<std::uint16_t, Bytes>> writes;
        for (const Frame& f : peer.Requests())
            if (!f.request)
                writes.emplace_back(f.hash, f.data);
        return writes;
    }

    DeviceOperations ops{link};
};

TEST_F(DeviceOperationsTest, UnreadValueIsNotWrittenUntilRead) {
    Serve({{"LEn", {1}}});
    Parameter p("LEn");
    p.format = "7:8";
    EXPECT_EQ(ops.WriteParameter(&p), kLinkNotRead);
    EXPECT_EQ(p.message, "Значение не записанно, так как параметер не инициализирован");
    EXPECT_TRUE(peer.Requests().empty());
    ASSERT_EQ(ops.ReadParameter(&p), kLinkOk);
    EXPECT_EQ(ops.WriteParameter(&p), kLinkOk);
    EXPECT_EQ(Writes().size(), 1u);
}

TEST_F(DeviceOperationsTest, NegativeIndexOrNoParameterSendsNothing) {
    Parameter p("rel.a");
    p.index = -1;
    p.value = "1";
    EXPECT_EQ(ops.ReadParameter(&p), kLinkNegativeIndex);
    EXPECT_EQ(ops.WriteParameter(&p), kLinkNegativeIndex);
    EXPECT_EQ(ops.ReadParameter(nullptr), kLinkNothing);
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(DeviceOperationsTest, SettingsChangedOnlyAfterASuccessfulNetworkWrite) {
    Parameter baud("bPS");
    baud.format = "2400:4800:9600:14400:19200:28800:38400:57600:115200";
    baud.value = "19200";
    peer.SetResponder([](const Frame& r, int) { return ControllerPeer::ErrorReply(r, 0x03); });
    EXPECT_EQ(ops.WriteParameter(&baud), kLinkError);
    EXPECT_FALSE(link.State().SettingsChanged);
    Serve({});
    Parameter other("rel.a");
    other.format = "DEC_dot";
    other.value = "1";
    EXPECT_EQ(ops.WriteParameter(&other), kLinkOk);
    EXPECT_FALSE(link.State().SettingsChanged);
    EXPECT_EQ(ops.WriteParameter(&baud), kLinkOk);
    EXPECT_TRUE(link.State().SettingsChanged);
}

TEST_F(DeviceOperationsTest, PartnersAreWrittenFirstInModificationThree) {
    Serve({});
    Parameter* tp5 = Add("tp.h", 5, "DEC_dot");
    Parameter* tp4 = Add("tp.h", 4, "DEC_dot");
    Parameter* tval2 = Add("t.val", 2, "DEC_dot");
    link.State().Modification = 3;
    tp5->value = "7";
    ASSERT_EQ(ops.WriteChannelParameter(tp5), kLinkOk);
    tval2->value = "9";
    ASSERT_EQ(ops.WriteChannelParameter(tval2), kLinkOk);
    const std::uint16_t tp = hash_name("tp.h"), tval = hash_name("t.val");
    EXPECT_EQ(tval2->value, "9");
    EXPECT_EQ(tp4->value, "9");
    using W = std::pair<std::uint16_t, Bytes>;
    EXPECT_EQ(
        Writes(),
        (std::vector<W>{{tval, {7, 0, 2}}, {tp, {7, 0, 5}}, {tp, {9, 0, 4}}, {tval, {9, 0, 2}}}));

    link.State().Modification = 2;
    tp5->value = "8";
    ASSERT_EQ(ops.WriteChannelParameter(tp5), kLinkOk);
    EXPECT_EQ(Writes().size(), 5u);
}

TEST_F(DeviceOperationsTest, ChannelCountGoesThroughTheInstalledConfigurator) {
    Serve({});
    Parameter count("n.Ch");
    count.format = "DEC_dot";
    count.value = "2";
    EXPECT_EQ(ops.WriteChannelParameter(&count), kLinkOk);
    EXPECT_EQ(Writes().size(), 1u);
    ops.SetChannelConfigurator([](Parameter& p) { return p.value == "2" ? 42 : 0; });
    EXPECT_EQ(ops.WriteChannelParameter(&count), 42);
    EXPECT_EQ(Writes().size(), 1u);
}

// Output-element states: "free" is choice 25, the first two elements are driven.
std::string OutputStates() {
    std::string states;
    for (int i = 0; i < 25; ++i)
        states += "занят" + std::to_string(i) + ":";
    return states + "свободен";
}

TEST_F(DeviceOperationsTest, ConnectToFreeOutputPicksTheFirstFreeElement) {
    Parameter* state = Add("S.OE", 0, OutputStates().c_str());
    Parameter link1("op");
    link1.format = "нет:ВЭ1:ВЭ2:ВЭ3:ВЭ4:ВЭ5:ВЭ6:ВЭ7:ВЭ8";
    for (int firstFree : {2, 99}) {
        peer.SetResponder([=](const Frame& r, int) {
            if (!r.request)
                return ControllerPeer::Reply(r, r.hash, r.data);
            const std::uint8_t choice = r.data[1] >= firstFree ? 25 : 0;
            return ControllerPeer::Reply(r, r.hash, {choice, 0, r.data[1]});
        });
        std::vector<std::string> lines;
        ops.ConnectToFreeOutput(link1, lines);
        EXPECT_EQ(state->index, 0);
        if (firstFree == 2) {
            EXPECT_EQ(lines, std::vector<std::string>{"К параметру op[0] подключен ВЭ3"});
            EXPECT_EQ(link1.value, "ВЭ3");
        } else {
            EXPECT_TRUE(lines.empty());
        }
    }
    EXPECT_EQ(Writes().size(), 1u);
    EXPECT_EQ(CountRequests("S.OE"), 3 + 8);
}

TEST_F(DeviceOperationsTest, CheckDeviceReportsTheFailingModificationRead) {
    Add("n.Err", 0, "DEC_dot", false);
    Add("dev", 0, "string", false);
    Add("ver", 0, "string", false);
    Add("mod.v", 0, "DEC_dot", false);
    Serve({{"n.Err", {0}}, {"dev", {'0', '4', '6', 'K', 'R', 'Z'}}, {"ver", {'1', '.', '2'}}});
    prompter.Script(PromptAnswer::Ok);
    prompter.Script(PromptAnswer::Ok);
    EXPECT_FALSE(ops.CheckDevice());
    const auto shown = prompter.Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Ошибка команды 'mod.v':\nНе найден дескриптор\n");
    EXPECT_EQ(shown[0].caption, kApplicationTitle);
    EXPECT_EQ(shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(shown[1].text, "Прибор: ZRK640\nВерсия прошивки: 2.1\nКод послед. ошибки: 0\n");
    EXPECT_EQ(shown[1].caption, "Проверка прибора");
    EXPECT_EQ(shown[1].icon, PromptIcon::Information);
}

TEST_F(DeviceOperationsTest, CheckDeviceWithAllReadsGood) {
    Add("n.Err", 0, "DEC_dot", false);
    Add("dev", 0, "string", false);
    Add("ver", 0, "string", false);
    Add("mod.v", 0, "DEC_dot", false);
    Serve({{"n.Err", {0}}, {"dev", {'X'}}, {"ver", {'1'}}, {"mod.v", {3}}});
    DeviceCheckReport report;
    EXPECT_TRUE(ops.CheckDevice(report));
    EXPECT_EQ(report.errors, "");
    EXPECT_EQ(report.info,
              "Прибор: X\n(Номер модификации: 3)\nВерсия прошивки: 1\nКод послед. ошибки: 0\n");
}

TEST_F(DeviceOperationsTest, CheckDeviceFailsWhenTheTableLacksTheIdentity) {
    Add("dev", 0, "string", false);
    Serve({{"dev", {'X'}}});
    DeviceCheckReport report;
    EXPECT_FALSE(ops.CheckDevice(report));
    EXPECT_EQ(report.info, "Прибор: X\n");
    EXPECT_EQ(report.errors, "Не найден параметр n.Err в основной таблице параметров!\n"
                             "Не найден параметр mod.v в основной таблице параметров!\n"
                             "Не найден параметр ver в основной таблице параметров!\n");
}

struct OutcomeCase {
    const char* what;
    ControllerPeer::Responder responder;
    int result;
    ExchangeOutcome outcome;
    int requests; // transfers the peer saw
    const char* text;
};

// Each line fault ends as its outcome, value and text together, with the
// requests a reader would see: lost, garbled and foreign replies are asked
// for again (three exchanges), a refusal and a pulled adapter are final.
TEST_F(DeviceOperationsTest, EachLineFaultEndsAsItsOutcome) {
    const auto good = [](const Frame& r) { return ControllerPeer::Reply(r, r.hash, {0, 7}); };
    const auto garbled = [good](const Frame& r) {
        std::string s = good(r);
        s[5] = s[5] == 'G' ? 'H' : 'G';
        return s;
    };
    const auto foreign = [](const Frame& r) {
        return ControllerPeer::Reply(r, hash_name("ver"), {1});
    };
    const OutcomeCase cases[] = {
        {"answered", [good](const Frame& r, int) { return good(r); }, kLinkOk,
         ExchangeOutcome::Answered, 1, ""},
        {"refused with 71", [](const Frame& r, int) { return ControllerPeer::ErrorReply(r, 71); },
         kLinkError, ExchangeOutcome::Refused, 1,
         "Недопустимое сочетание значений параметров (Изменение параметра было запрещено "
         "функцией Valid)"},
        {"silent", [](const Frame&, int) { return std::string(); }, kLinkNoReply,
         ExchangeOutcome::NoReply, 12, "Таймаут при передаче данных (нет связи)"},
        {"garbled twice, then answered",
         [=](const Frame& r, int nth) { return nth < 2 ? garbled(r) : good(r); }, kLinkOk,
         ExchangeOutcome::Answered, 3, ""},
        {"always garbled", [=](const Frame& r, int) { return garbled(r); }, kLinkError,
         ExchangeOutcome::Garbled, 12, "Ошибка в контрольной сумме ответа"},
        {"a late reply before ours in the same wait",
         [=](const Frame& r, int) { return foreign(r) + good(r); }, kLinkOk,
         ExchangeOutcome::Answered, 1, ""},
        {"a late reply to reading n.Err (value 0) before ours",
         [=](const Frame& r, int) { return ControllerPeer::ErrorReply(r, 0) + good(r); },
         kLinkOk, ExchangeOutcome::Answered, 1, ""},
        {"another master's reply: same name, other address",
         [=](const Frame& r, int) {
             Frame other = r;
             other.address = r.address + 1;
             return ControllerPeer::Reply(other, r.hash, {9, 9}) + good(r);
         },
         kLinkOk, ExchangeOutcome::Answered, 1, ""},
        {"only foreign replies", [=](const Frame& r, int) { return foreign(r); }, kLinkError,
         ExchangeOutcome::Foreign, 12,
         "Пришла посылка с кодом команды, отличным от посланной и от n.Err.\n"},
        {"adapter pulled", [](const Frame&, int) { return ControllerPeer::kHangUp; }, kLinkError,
         ExchangeOutcome::PortGone, 1, nullptr},
    };
    for (const OutcomeCase& c : cases) {
        ControllerPeer fresh;
        link.Port().settings().port_name = fresh.SlavePath();
        ASSERT_EQ(link.Port().open(), 0) << c.what;
        fresh.SetResponder(c.responder);
        Parameter probe("Addr");
        probe.format = "DEC_dot";
        Parameter* p = &probe;
        EXPECT_EQ(ops.ReadParameter(p), c.result) << c.what;
        EXPECT_EQ(p->exchange.outcome(), c.outcome) << c.what;
        EXPECT_EQ(int(fresh.Requests().size()), c.requests) << c.what;
        if (c.text) {
            EXPECT_EQ(p->message, c.text) << c.what;
        } else {
            EXPECT_NE(p->message.find("больше недоступен"), std::string::npos) << p->message;
        }
        if (c.outcome == ExchangeOutcome::Answered) {
            EXPECT_EQ(p->value, "7") << c.what;
        }
    }
}

} // namespace
