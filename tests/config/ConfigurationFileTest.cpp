// Configuration files as a field engineer brings them: cut short, saved by
// another editor, typed by hand. Each is taken whole or refused with its reason.

#include "ShippedBase.h"

#include "config/ConfigurationCheck.h"
#include "config/ConfigurationFile.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "util/CodePage1251.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kEnd = "# Конец файла, значений: ";

std::string WithEnd(const std::string& values, int count) {
    return values + kEnd + std::to_string(count) + "\n";
}

TEST(ConfigurationFileTest, DumpTextReadsBackWithItsUnreadValues) {
    Parameter count("n.Ch"), band("Pb");
    count.value = "2";
    count.caption = "Количество задействованных каналов";
    band.indexed = true;
    band.index = 3;
    band.value = kNoData;
    band.message = "Таймаут при передаче\nданных";
    const std::string text = FormatConfiguration({&band, &count}, {"Заголовок"});
    EXPECT_NE(text.find("Pb[3] = Нет данных  # <неизвестный параметр>; не прочитано: "
                        "Таймаут при передаче данных\n"),
              std::string::npos)
        << text;
    const std::string end = "\n\n# Конец файла, значений: 2\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    std::vector<ConfigurationEntry> entries;
    std::string error;
    ASSERT_EQ(ParseConfiguration(text, false, entries, error), 0) << error;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "n.Ch");
    EXPECT_FALSE(entries[0].unread);
    EXPECT_TRUE(entries[1].unread);
    EXPECT_EQ(entries[1].index, 3);
}

TEST(ConfigurationFileTest, DamagedFilesAreRefusedWithTheirReason) {
    const std::string two = "n.Ch = 1\nPb[0] = 4\n";
    const struct {
        std::string bytes;
        bool partial;
        const char* error;
    } cases[] = {
        {two, false, "Файл обрезан: нет последней строки \"# Конец файла, значений: N\""},
        {"n.Ch = 1\nPb[0] = 4", false, "Файл обрезан: нет последней строки"},
        {WithEnd(two, 3), false,
         "Файл обрезан или изменен: значений в нем 2, а строка конца файла говорит 3"},
        {WithEnd(two, 2) + "ind.t = 00:05\n", false, "Строка 4: значение после строки конца файла"},
        {"", false, "В файле нет ни одного значения"},
        {"", true, "В файле нет ни одного значения"},
        {WithEnd("# только заголовок\n\n", 0), false, "В файле нет ни одного значения"},
        {"\xFF\xFEn\0.\0", false, "Файл в кодировке UTF-16; сохраните его в кодировке UTF-8"},
        {std::string("n.Ch = 1\n\0\0\x01", 12), false, "Файл не текстовый (байт 0x00 в строке 2)"},
        {"\xEF\xBB\xBFn.Ch = \xC0\n", false, "Файл начинается с метки UTF-8, но в нем есть"},
        {"n.Ch = 1\nbehv = \x98\x81\n", false,
         "Файл не в кодировке UTF-8 и не в кодировке 1251 (байт 0x98 в строке 2)"},
        {"n.Ch = 1\nPb 0 4\n", true, "Строка 2: ожидается ИМЯ[ИНДЕКС] = ЗНАЧЕНИЕ"},
        {"Pb[x] = 4\n", true, "Строка 1: ожидается ИМЯ[ИНДЕКС] = ЗНАЧЕНИЕ"},
        {"Pb[0] = 4\npb[0] = 5\n", true, "Строка 2: параметр pb задан повторно"},
    };
    for (const auto& c : cases) {
        std::vector<ConfigurationEntry> entries(1);
        std::string error;
        EXPECT_EQ(ParseConfiguration(c.bytes, c.partial, entries, error), -1) << c.error;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        EXPECT_EQ(entries.size(), 1u) << c.error; // nothing taken
    }
}

TEST(ConfigurationFileTest, OtherEditorsFilesAreTaken) {
    const std::string utf8 = "behv = Переход в \"Стоп\"\n";
    const struct {
        std::string bytes;
        bool partial;
    } cases[] = {
        {"\xEF\xBB\xBF" + WithEnd(utf8, 1), false},
        {CodePage1251::FromUtf8(WithEnd(utf8, 1)), false},
        {"\r\n" + utf8 + "  # hand-made\r\n", true},
    };
    for (const auto& c : cases) {
        std::vector<ConfigurationEntry> entries;
        std::string error;
        ASSERT_EQ(ParseConfiguration(c.bytes, c.partial, entries, error), 0) << error;
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].value, "Переход в \"Стоп\"");
    }
}

// Every value is checked as the controller would take it, before anything is sent.
TEST(ConfigurationFileTest, ValuesAreCheckedAgainstTheBase) {
    ScriptedPrompter prompter;
    PrompterGuard guard(prompter);
    ASSERT_EQ(Shipped().loadResult, 0);
    const struct {
        std::string line;
        const char* error; // empty: taken
    } cases[] = {
        {"behv = Взлететь",
         "Строка 1: недопустимое значение 'Взлететь' для параметра behv: возможные значения: "
         "Переход в \"Старт\", Продолжение работы, Переход в \"Стоп\""},
        {"behv = 1", "Строка 1: недопустимое значение '1' для параметра behv: возможные"},
        {"mod.v = 7",
         "Строка 1: недопустимое значение '7' для параметра mod.v (модификации от 1 до 6)"},
        {"mod.v = 0", "Строка 1: недопустимое значение '0' для параметра mod.v (модификации"},
        {"Pb[0] = 10000",
         "Строка 1: недопустимое значение '10000' для параметра Pb (от 0.1 до 9999)"},
        {"Pb[0] = много", "Строка 1: недопустимое значение 'много' для параметра Pb (от 0.1"},
        {"ind.t = 10:01",
         "Строка 1: недопустимое значение '10:01' для параметра ind.t (от 00:01 до 10:00)"},
        {"n.Ch = 2.5", "Строка 1: недопустимое значение '2.5' для параметра n.Ch (от 1 до 8)"},
        {"rel.a[3] = Выходной элемент №9", "Строка 1: недопустимое значение 'Выходной элемент №9'"},
        {"Pb[8] = 30", "Строка 1: параметра Pb нет в базе параметров"},
        {"rEAd[0] = 20", "Строка 1: rEAd - не параметр настройки"},
        {"behv = Переход в \"Стоп\"", ""},
        {"mod.v = 6", ""},
        {"rel.a[3] = Выходной элемент №8", ""},
        {"Pb[0] = Нет данных", ""},
        {"rel.a[3] = Выходной элемент №8\nop[1] = Выходной элемент №8",
         "В файле к одному Выходному элементу подключены rel.a[3] и op[1]"},
    };
    for (const auto& c : cases) {
        std::vector<ConfigurationEntry> entries;
        std::string error;
        ASSERT_EQ(ParseConfiguration(c.line + "\n", true, entries, error), 0) << error;
        CheckedConfiguration checked;
        const bool taken = CheckConfiguration(Shipped().table, entries, checked, error);
        EXPECT_EQ(taken, *c.error == 0) << c.line << ": " << error;
        if (!taken)
            EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        else
            EXPECT_EQ(checked.values.size() + checked.unread.size(), 1u) << c.line;
    }
    EXPECT_EQ(prompter.UnexpectedTexts(), "");
}

// A file copied onto another controller: the blocks go before their
// settings, and the wizard's load leaves the link alone.
TEST(ConfigurationFileTest, CheckedValuesComeInWritingOrderAndTheLinkCanBeLeftOut) {
    const std::string file = "Pb[0] = 45\nAddr = 17\nbPS = Нет данных\nregl[0] = Выключен\n";
    std::vector<ConfigurationEntry> entries;
    std::string error;
    ASSERT_EQ(ParseConfiguration(file, true, entries, error), 0) << error;
    CheckedConfiguration checked;
    ASSERT_TRUE(CheckConfiguration(Shipped().table, entries, checked, error)) << error;
    std::vector<std::string> keys;
    for (const auto& [p, value] : checked.values)
        keys.push_back(ConfigurationKey(*p));
    EXPECT_EQ(keys, (std::vector<std::string>{"Addr", "regl[0]", "Pb[0]"}));
    EXPECT_EQ(checked.unread, std::vector<std::string>{"bPS"});
    EXPECT_TRUE(LeaveOutNetworkSettings(checked));
    ASSERT_EQ(checked.values.size(), 2u);
    EXPECT_EQ(checked.values[0].first->name, "regl");
    EXPECT_TRUE(checked.unread.empty());
    EXPECT_FALSE(LeaveOutNetworkSettings(checked));
}

} // namespace
