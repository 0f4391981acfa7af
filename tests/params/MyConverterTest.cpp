#include "params/MyConverter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kParity = "Отсутствует:Четность:Нечетность";

MyConverter converter(const std::string& name, const std::string& format, int decimals = 0) {
    MyConverter c;
    c.name = name;
    c.format = format;
    c.decimals = decimals;
    return c;
}

struct ToCase {
    const char* name;
    const char* format;
    int decimals;
    const char* text;
    int result;
    Bytes data;
};

TEST(ConvertToData, Formats) {
    const ToCase cases[] = {
        {"x", "STORED_DOT", 0, "12.5", 1, {0x10, 0x7D}},
        {"x", "STORED_DOT", 0, "-3.25", 1, {0xA1, 0x45}},
        {"x", "STORED_DOT", 0, "100", 1, {0x00, 0x64}},
        {"x", "STORED_DOT", 0, "0.125", 1, {0x30, 0x7D}},
        {"x", "STORED_DOT", 0, "5000", 1, {0x00, 0x13, 0x88}},
        {"x", "STORED_DOT", 0, "1234.5", 1, {0x10, 0x30, 0x39}},
        {"x", "stored_dot", 0, "12.5 \r\n", 1, {0x10, 0x7D}},
        {"x", "STORED_DOT", 1, "2.46", 1, {0x10, 0x19}},  // 24.6 rounds to 25
        {"x", "STORED_DOT", 1, "-2.46", 1, {0x90, 0x19}}, // away from zero too
        {"x", "STORED_DOT", 1, "2.44", 1, {0x10, 0x18}},
        {"x", "STORED_DOT", 1, "-2.25", 1, {0x90, 0x17}}, // half away from zero
        {"x", "STORED_DOT", 1, "2.25", 1, {0x10, 0x17}},
        {"x", "STORED_DOT", 7, "1", 1, {0x33, 0xE8}}, // at most 3 places
        {"x", "STORED_DOT", 0, "0.0005", 1, {0x30, 0x01}},
        {"x", "STORED_DOT", 0, "1048576", 1, {0x00, 0x10, 0x00, 0x00}},
        {"x", "STORED_DOT", 0, "16777215", 1, {0x00, 0xFF, 0xFF, 0xFF}},
        {"x", "STORED_DOT", 0, "268435456", 0, {}}, // no fifth byte
        {"x", "STORED_DOT", 3, "300000", 0, {}},
        {"x", "STORED_DOT", 0, "1e30", 0, {}},
        {"x", "STORED_DOT", 0, "abc", 0, {}},
        {"x", "STORED_DOT", 0, "", 0, {}},
        {"x", "DEC_dot", 0, "300", 1, {0x01, 0x2C}},
        {"x", "DEC_dot", 0, "15", 1, {0x0F}},
        {"x", "DEC_dot", 0, "255", 1, {0xFF}},
        {"x", "DEC_dot", 0, "256", 1, {0x01, 0x00}},
        {"x", "DEC_dot", 0, "65535", 1, {0xFF, 0xFF}},
        {"x", "DEC_dot", 0, "65536", 0, {}}, // would wrap to 0
        {"x", "DEC_dot", 0, "-1", 0, {}},
        {"x", "DEC_dot", 0, "12.5", 0, {}},
        {"x", "DEC_dot", 0, "9x", 0, {}},
        {"x", "CLK_frm", 0, "12:34", 1, {0x02, 0xF2}},
        {"x", "CLK_frm", 0, "7", 1, {0x07}},
        {"x", "CLK_frm", 0, "1:00:00", 1, {0x0E, 0x10}},
        {"x", "CLK_frm", 0, "18:12:15", 1, {0xFF, 0xFF}},
        {"x", "CLK_frm", 0, "18:12:16", 0, {}},
        {"x", "CLK_frm", 0, "12:", 0, {}},
        {"x", "CLK_frm", 0, "a:1", 0, {}},
        {"x", "name", 0, "n.Err", 1, {0x36, 0x36, 0x1C, 0x2F}},
        {"x", "NAME", 0, "dev", 1, {0x4E, 0x3E, 0x1C, 0x1A}},
        {"x", "name", 0, "ABCD.", 1, {0x1B, 0x18, 0x16, 0x14}},
        {"x", "name", 0, "-_ 9", 1, {0x12, 0x4E, 0x4A, 0x48}},
        {"x", kParity, 0, "Четность", 1, {0x01}},
        {"x", kParity, 0, "четность", 0, {}}, // Cyrillic case must match
        {"x", "off:On_Line", 0, "ON LINE", 1, {0x01}},
        {"x", "off:On_Line", 0, "on", 0, {}},
        {"x", "string", 0, "string", 0, {}},
        {"x", "ASCI", 0, "", 0, {}},
        {"dev", "string", 0, "abc", -1, {}},
        {"VER", "string", 0, "abc", -1, {}},
        {"exit", kParity, 0, "Четность", -1, {}},
        {"aply", "STORED_DOT", 0, "12", 1, {}},
    };
    for (const ToCase& c : cases) {
        const MyConverter conv = converter(c.name, c.format, c.decimals);
        std::uint8_t data[kMaxFrameData] = {};
        int length = -7;
        EXPECT_EQ(conv.ConvertToData(c.text, data, length), c.result) << c.format << " " << c.text;
        EXPECT_EQ(Bytes(data, data + std::max(length, 0)), c.data) << c.format << " " << c.text;
    }
}

TEST(ConvertToData, ChoicesPastTheHundredTwentySeventhNeverMatch) {
    std::string format;
    for (int i = 0; i < 130; ++i)
        format += (i ? ":c" : "c") + std::to_string(i);
    const MyConverter conv = converter("x", format);
    std::uint8_t data[kMaxFrameData];
    int length = 0;
    EXPECT_EQ(conv.ConvertToData("c126", data, length), 1);
    EXPECT_EQ(data[0], 126);
    EXPECT_EQ(conv.ConvertToData("c127", data, length), 0);
}

TEST(ConvertToData, RefusedNetworkNamesGiveTheReason) {
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"", "Сетевое имя пусто"},
        {"123456789", "Сетевое имя слишком длинное"},
        {"ABCDE", "Сетевое имя слишком длинное"}, // a fifth symbol has no byte
        {".AB", "Недопустимый символ в сетевом имени"},
        {"A..B", "Недопустимый символ в сетевом имени"}, // would turn A into B
        {"A#", "Недопустимый символ в сетевом имени"},
        {"Аб", "Недопустимый символ в сетевом имени"},
    };
    const MyConverter conv = converter("x", "name");
    for (const auto& c : cases) {
        std::uint8_t data[kMaxFrameData];
        int length = 0;
        std::string reason;
        EXPECT_EQ(conv.ConvertToData(c.text, data, length, &reason), -1) << c.text;
        EXPECT_EQ(reason, c.reason) << c.text;
        EXPECT_EQ(length, 0);
    }
}

// Every name the controller can report, '/' (codes 76 and 77) included,
// can be typed back and gives the same bytes.
TEST(MyConverterTest, EveryReadNameWritesBackTheSameBytes) {
    for (std::uint8_t code = 0; code <= 79; ++code) {
        const std::uint8_t read[4] = {0x36, code, 0x1C, code};
        MyConverter conv = converter("x", "name");
        ASSERT_EQ(conv.ConvertFromData(read, 4), 1) << int(code);
        std::uint8_t written[kMaxFrameData] = {};
        int length = 0;
        std::string reason;
        ASSERT_EQ(conv.ConvertToData(conv.value, written, length, &reason), 1)
            << int(code) << " '" << conv.value << "' " << reason;
        EXPECT_EQ(std::vector<std::uint8_t>(written, written + length),
                  std::vector<std::uint8_t>(read, read + 4))
            << conv.value;
    }
}

struct FromCase {
    const char* name;
    const char* format;
    Bytes data;
    int result;
    const char* value; // the value text afterwards
};

TEST(ConvertFromData, NamesAndFormats) {
    const FromCase cases[] = {
        {"APLY", "x", {}, 1, ""},
        {"bPS", "x", {}, 0, "old"},
        {"dev", "x", {'0', '4', '6', 'K', 'R', 'Z'}, 1, "ZRK640"},
        {"Ver", "x", {'2', '.', '1', 0}, 1, ""}, // text ends at a zero byte
        {"exit", "x", {24, 0x01, 0x02}, 1, "Адрес прибора: 258"},
        {"exit", "x", {0, 0, 7}, 1, "сброс по питанию"},
        {"exit", "x", {24, 1}, 0, "old"},
        {"bPS", "x", {8}, 1, "115200"},
        {"bps", "x", {9}, 0, "old"},
        {"LEn", "x", {1}, 1, "8"},
        {"PrtY", "x", {2}, 1, "Нечетность"},
        {"PrtY", "x", {3}, 0, "old"},
        {"Sbit", "x", {0}, 1, "1"},
        {"A.Len", "x", {1}, 1, "11"},
        {"Addr", "x", {5}, 1, "5"},
        {"Addr", "x", {1, 2}, 1, "258"},
        {"Addr", "x", {1, 2, 3}, 0, "old"},
        {"rEAd", "x", {0x41, 0x20, 0x00, 0x00}, 1, "10.000"},
        {"r.OUt", "x", {0xC0, 0x00, 0x00, 0x00, 0, 1}, 1, "-2.000"},
        {"rEAd", "x", {0x41, 0x20}, 0, "old"},
        {"rEAd", "x", {0xF4, 0, 0, 0}, 1, "Не могу преобразовать коэффициенты."},
        {"rd.rg", "x", {0xF5, 0, 0, 0x01}, 1, "Отключен вход вычислителя"},
        {"r.CAL", "x", {0xF5, 0, 0, 0x0C}, 1, ""},
        {"rEAd", "x", {0xF5}, 0, "old"}, // sub-code missing
        {"Set.P", "x", {0xFA}, 1, "У регулятора отсутствует уставка или регулятор не работает."},
        {"r.St", "x", {0xF4, 0}, 1, "Не могу преобразовать коэффициенты ."},
        {"r.St", "x", {0xF5, 0, 0, 0}, 1, "Не могу преобразовать коэффициенты ."},
        {"r.kEY", "a:b:c", {7, 2}, 1, "c"}, // the state alone in byte 1
        {"r.PrG", "a:b:c", {1, 7, 0, 0}, 1, "b"},
        {"x", "STORED_DOT", {0xA1, 0x45, 0x00, 0x03}, 1, "-3.250"},
        {"x", "STORED_DOT", {0xA1, 0x45}, 1, "-0.010"},
        {"x", "STORED_DOT", {0xA1}, 1, "0.000"},
        {"x", "STORED_DOT", {0x10, 0x7D, 0, 0}, 1, "12.500"},
        {"x", "STORED_DOT", {0x00, 0x13, 0x88, 0, 0}, 1, "5000.000"},
        {"x", "STORED_DOT", Bytes(11, 0x01), 1, "0.000"},
        {"x", "DEC_dot", {0x0F, 0x00, 0x03}, 1, "15"},
        {"x", "DEC_dot", {0x01, 0x2C}, 1, "300"},
        {"x", "DEC_dot", {1, 2, 3, 4, 5}, -1, "Ошибка; (Непонятная длина ответа:5)"},
        {"x", "CLK_frm", {0x02, 0xF2}, 1, "12:34"},
        {"x", "CLK_frm", {0x07}, 1, "00:07"},
        {"x", "CLK_frm", {1, 2, 3, 4, 5}, -1, "Ошибка; (Непонятная длина ответа:5)"},
        {"x", "name", {0x36, 0x36, 0x1C, 0x2F}, 1, "N.ERR"},
        {"x", "name", {0x36, 0x36, 0x1C, 0x2F, 0, 1}, 1, "N.ERR"},
        {"x", "name", {0x4F, 0x4C, 0x4A, 0x49}, 1, "-._/ ."},
        {"x", "name", {0x36, 0x36, 0x1C, 0x2F, 0}, -1, "Ошибка; (Непонятная длина ответа:5)"},
        {"x", "name", {0x36, 0x50, 0x1C, 0x2F}, -1, "Недопустимый код символа в сетевом имени"},
        {"x", kParity, {1}, 1, "Четность"},
        {"x", kParity, {3}, 0, "old"},
        {"x", "a_b:c", {0}, 1, "a b"},
        {"x", "ASCI", {'c', 'b', 'a'}, 1, "abc"},
    };
    for (const FromCase& c : cases) {
        MyConverter conv = converter(c.name, c.format);
        conv.value = "old";
        EXPECT_EQ(conv.ConvertFromData(c.data.data(), static_cast<int>(c.data.size())), c.result)
            << c.name << " " << c.format;
        EXPECT_EQ(conv.value, c.value) << c.name << " " << c.format;
    }
}

TEST(ConvertData, StoredDotWritesReadBack) {
    const MyConverter writer = converter("x", "STORED_DOT");
    for (const char* text : {"0.000", "1.500", "-12.340", "999.999", "-4095.000", "12345.600"}) {
        std::uint8_t data[kMaxFrameData] = {};
        int length = 0;
        ASSERT_EQ(writer.ConvertToData(text, data, length), 1) << text;
        MyConverter reader = converter("x", "STORED_DOT");
        ASSERT_EQ(reader.ConvertFromData(data, length + 2), 1); // with the index bytes
        EXPECT_EQ(reader.value, text);
    }
}

TEST(TrimValueText, DecimalsAndRange) {
    const struct {
        int decimals;
        double lower, upper;
        const char* text;
        int result;
        const char* out;
    } cases[] = {
        {2, 0, 0, "3.14159", 0, "3.14"}, {2, 0, 0, "3.1", 0, "3.1"},
        {2, 0, 0, "3", 0, "3"},          {0, 0, 100, "250", 0, "25"},
        {0, 0, 100, "1000", 0, "100"},   {0, 0, 100, "12.5", 0, "12"},
        {0, 0, 100, "50", 0, "50"},      {0, 10, 100, "5", 0, ""},
        {0, 0, 0, "12345", 0, "12345"}, // no limits: nothing dropped
        {0, 0, 100, " +250 ", 0, "+25"}, {0, -10, 100, "-123", 0, "-1"},
        {0, 0, 100, "abc", -1, ""},      {0, 0, 100, "", -1, ""},
    };
    for (const auto& c : cases) {
        MyConverter conv = converter("x", "STORED_DOT", c.decimals);
        conv.lower = c.lower;
        conv.upper = c.upper;
        std::string out;
        EXPECT_EQ(conv.trim_value_text(c.text, out), c.result) << c.text;
        EXPECT_EQ(out, c.out) << c.text;
    }
}

TEST(ChoiceText, ByNumber) {
    const struct {
        const char* format;
        int number;
        const char* text;
    } cases[] = {
        {kParity, 1, "Четность"}, {kParity, 3, "Нет данных"}, {kParity, -1, ""},
        {"a_b:c", 0, "a b"},      {"STORED_DOT", 5, "5"},     {"STORED_DOT", -2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(choice_text(converter("x", c.format), c.number), c.text) << c.number;
}

} // namespace

namespace {

// Any reply of up to 15 bytes, for every reader: a known result, and the value
// text changes only when the result says so.
TEST(ConvertFromData, ArbitraryRepliesNeverReadPastTheirBytes) {
    const char* const names[] = {"x",    "dev",  "exit",  "bPS",  "PrtY",  "A.Len",
                                 "Addr", "rEAd", "Set.P", "r.St", "r.kEY", "APLY"};
    const char* const formats[] = {"STORED_DOT", "DEC_dot", "CLK_frm", "string", "name", kParity};
    std::mt19937 random(1251);
    for (const char* name : names) {
        for (const char* format : formats) {
            for (int count = 0; count <= kMaxFrameData; ++count) {
                // Exactly count bytes on the heap, so a read past them is caught by ASan.
                std::vector<std::uint8_t> data(count);
                for (auto& b : data)
                    b = static_cast<std::uint8_t>(random());
                MyConverter conv = converter(name, format);
                conv.value = "old";
                const int result = conv.ConvertFromData(data.data(), count);
                EXPECT_TRUE(result >= -1 && result <= 1);
                if (result == 0) {
                    EXPECT_EQ(conv.value, "old") << name << " " << format << " " << count;
                }
            }
        }
    }
}

} // namespace
