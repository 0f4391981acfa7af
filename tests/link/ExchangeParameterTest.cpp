#include "LinkTestBench.h"

#include <climits>

namespace {

using Bytes = std::vector<std::uint8_t>;

class ExchangeParameterTest : public LinkTestBench {
protected:
    static Parameter Indexed(const char* name, int index, const char* format = "DEC_dot") {
        Parameter p(name);
        p.indexed = true;
        p.index = index;
        p.format = format;
        return p;
    }

    // Answers every read with value and every "M.s.t.r." with attributes.
    void ServeWithAttributes(Bytes value, Bytes attributes) {
        peer.SetResponder([=](const Frame& r, int) {
            if (r.hash == hash_name("M.s.t.r."))
                return ControllerPeer::Reply(r, r.hash, attributes);
            return ControllerPeer::Reply(r, r.hash, r.request ? value : r.data);
        });
    }
};

TEST_F(ExchangeParameterTest, ClosedPortIsReportedInTheParameter) {
    link.Port().close();
    Parameter p = Indexed("rel.a", 0);
    EXPECT_EQ(link.exchange_parameter(kRead, p), kLinkNothing);
    EXPECT_EQ(p.message, "Ошибка открытия порта");
    EXPECT_TRUE(peer.Requests().empty());
}

TEST_F(ExchangeParameterTest, IndexedReadSendsTheIndexAndStoresTheValue) {
    ServeWithAttributes({0x0F, 0, 3}, {});
    Parameter p = Indexed("rel.a", 3);
    p.message = "old failure";
    ASSERT_EQ(link.exchange_parameter(kRead, p), kLinkOk);
    EXPECT_EQ(p.value, "15");
    EXPECT_EQ(p.message, "");
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].data, (Bytes{0, 3}));
}

TEST_F(ExchangeParameterTest, AttributesAreAskedOnlyAtMultiplesOfTheStep) {
    ServeWithAttributes({0x0F, 0, 0}, {0x02, 0, 0, 0, 0});
    for (int index = 0; index <= 8; ++index) {
        Parameter p = Indexed("rel.a", index);
        p.attributeStep = 4;
        ASSERT_EQ(link.exchange_parameter(kRead, p), kLinkOk) << index;
    }
    std::vector<Bytes> asked;
    for (const Frame& f : peer.Requests())
        if (f.hash == hash_name("M.s.t.r."))
            asked.push_back(f.data);
    const std::uint16_t hash = hash_name("rel.a");
    const std::uint8_t hi = hash >> 8, lo = hash & 0xFF;
    EXPECT_EQ(asked, (std::vector<Bytes>{{0, 0, hi, lo}, {0, 4, hi, lo}, {0, 8, hi, lo}}));
}

TEST_F(ExchangeParameterTest, AttributeFailures) {
    Parameter p = Indexed("rel.a", 0);
    p.attributeStep = 1;
    ServeWithAttributes({1, 0, 0}, {1, 0, 0}); // three bytes for an indexed parameter
    EXPECT_EQ(link.exchange_parameter(kRead, p), kAttributeWrongSize);
    EXPECT_EQ(p.message, "Ошибка атрибутов; размер ответа не совпадает с ожидаемым.\n");

    peer.SetResponder([](const Frame& r, int) {
        return r.hash == hash_name("M.s.t.r.") ? ControllerPeer::ErrorReply(r, 0x08)
                                               : ControllerPeer::Reply(r, r.hash, {1, 0, 0});
    });
    EXPECT_EQ(link.exchange_parameter(kRead, p), kAttributeFailed);
    EXPECT_EQ(p.message, "У запрошенного параметра отсутствуют признаки");
}

TEST_F(ExchangeParameterTest, WriteSendsValueThenIndexAndClearsPendingFlags) {
    ServeWithAttributes({}, {});
    Parameter p = Indexed("rel.a", 2);
    p.value = "300";
    p.changed = true;
    ASSERT_EQ(link.exchange_parameter(kWrite, p), kLinkOk);
    EXPECT_FALSE(p.changed);
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_FALSE(peer.Requests()[0].request);
    EXPECT_EQ(peer.Requests()[0].data, (Bytes{0x01, 0x2C, 0, 2}));
}

TEST_F(ExchangeParameterTest, ValueThatCannotBeEncodedIsNeverSent) {
    ServeWithAttributes({}, {});
    Parameter list("PrtY");
    list.format = "Отсутствует:Четность:Нечетность";
    list.value = "нет такого";
    list.changed = true;
    Parameter device("dev");
    device.value = "ZRK640";
    EXPECT_EQ(link.exchange_parameter(kWrite, list), kLinkBadValue);
    EXPECT_EQ(list.message, "Неверное значение (неудается закодировать данные)");
    EXPECT_TRUE(list.changed);
    EXPECT_EQ(link.exchange_parameter(kWrite, device), kLinkError);
    EXPECT_EQ(device.message, "Метод формирования посылки записи для команды 'dev' не определен.");
    EXPECT_TRUE(peer.Requests().empty());
}

// A damaged base gives an error result before anything is sent: no trap
// from INT_MIN % -1, no overflow of address + offset, no frame to an
// address the line cannot carry.
TEST_F(ExchangeParameterTest, DamagedStepIndexOrOffsetIsRefusedUnsent) {
    ServeWithAttributes({0x0F, 0, 0}, {0x02, 0, 0, 0, 0});
    link.Port().set_device_address(16);
    struct Case {
        int index, step, offset, result;
        const char* message;
    };
    const Case cases[] = {
        {INT_MIN, -1, 0, kLinkError, "Неверный шаг атрибутов параметра в базе"},
        {0, -1, 0, kLinkError, "Неверный шаг атрибутов параметра в базе"},
        {INT_MIN, 4, 0, kLinkNegativeIndex, ""},
        {0, 0, INT_MAX, kLinkNothing, "Адрес посылки вне диапазона адресов сети"},
        {0, 0, INT_MIN, kLinkNothing, "Адрес посылки вне диапазона адресов сети"},
        {0, 0, 240, kLinkNothing, "Адрес посылки вне диапазона адресов сети"},
        {0, 0, -17, kLinkNothing, "Адрес посылки вне диапазона адресов сети"},
    };
    for (const Case& c : cases) {
        Parameter p = Indexed("rel.a", c.index);
        p.attributeStep = c.step;
        p.addressOffset = c.offset;
        EXPECT_EQ(link.exchange_parameter(kRead, p), c.result) << c.index << " " << c.step;
        EXPECT_EQ(p.message, c.message) << c.index << " " << c.step << " " << c.offset;
    }
    EXPECT_TRUE(peer.Requests().empty());
    Parameter highest = Indexed("rel.a", 0);
    highest.addressOffset = 239;
    EXPECT_EQ(link.exchange_parameter(kRead, highest), kLinkOk);
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].address, 255);
}

TEST_F(ExchangeParameterTest, UndecodableReplyEmptiesTheValue) {
    ServeWithAttributes({}, {});
    Parameter p("Addr");
    p.value = "16";
    EXPECT_EQ(link.exchange_parameter(kRead, p), kLinkNothing);
    EXPECT_EQ(p.message, "Не могу раскодировать ответ");
    EXPECT_EQ(p.value, "");
}

TEST_F(ExchangeParameterTest, LogShowsRequestAndReplyBytes) {
    ServeWithAttributes({'A', 1}, {});
    Parameter p = Indexed("rel.a", 1);
    DeviceLink::ExchangeLog log;
    ASSERT_EQ(link.exchange_parameter(kRead, p, &log), kLinkOk);
    EXPECT_EQ(log, (DeviceLink::ExchangeLog{
                       "Размер инф-ой части посылки 2 байт.",
                       ">> Посылка: # 0 : 000 = 0x00 (.)",
                       ">> Посылка: # 1 : 001 = 0x01 (.)",
                       "<< Ответ: # 0 : 065 = 0x41 (A)",
                       "<< Ответ: # 1 : 001 = 0x01 (.)",
                       "Инф-ная часть квитанции ответа имеет размер 2 байт.",
                   }));
}

TEST_F(ExchangeParameterTest, FrameTraceShowsBothDirections) {
    ServeWithAttributes({1}, {});
    std::vector<std::string> lines;
    link.SetFrameTrace([&](const std::string& line) { lines.push_back(line); });
    Parameter p("LEn");
    ASSERT_EQ(link.exchange_parameter(kRead, p), kLinkOk);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 4), ">> #");
    EXPECT_EQ(lines[1].substr(0, 4), "<< #");
    EXPECT_EQ(p.value, "8");
}

} // namespace
