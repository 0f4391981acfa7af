#include "LinkTestBench.h"

#include "util/SettingsStore.h"
#include "device/DeviceOperations.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <fstream>
#include <iterator>

namespace {

class SettingsFile : public testing::Test {
protected:
    void Write(const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text;
    }
    std::string Read() const {
        SettingsStore store(path);
        store.load();
        std::string all;
        for (const char* key : {"address", "address_length", "baud_rate", "byte_size", "stop_bits",
                                "parity_scheme", "port_number", "port_name"})
            all += std::string(key) + "=" + store.get_text(key, "-") + ";";
        return all;
    }

    TempSettingsPath temp;
    const std::string& path = temp.path;
};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndStaysMissingUntilASettingChanges) {
    {
        NetRS485prg settings;
        settings.BuildParameters();
        EXPECT_EQ(settings.GetDescription(),
                  "Скорость: 9600\r\nДлина слова данных: 8\r\nЧетность: Отсутствует\r\n"
                  "Кол-во стоп-бит: 1\r\nДлина адреса: 8\r\nАдрес: 16\r\nCOM-порт: COM1\r\n");
        EXPECT_FALSE(settings.HasChanges());
        EXPECT_EQ(settings.Store(), 0);
        EXPECT_FALSE(fs::exists(path));
        settings.SetValueByName("Addr", "17");
    }
    // Destruction stores nothing.
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsFile, ChangedValuesRoundTrip) {
    {
        NetRS485prg settings;
        settings.BuildParameters();
        settings.SetValueByName("Addr", "200");
        settings.SetValueByName("A.Len", "11");
        settings.SetValueByName("bPS", "115200");
        settings.SetValueByName("LEn", "7");
        settings.SetValueByName("Sbit", "2");
        settings.SetValueByName("PrtY", "нечетность");
        settings.SetValueByName("Port", "/dev/ttyUSB0");
        ASSERT_EQ(settings.Store(), 0);
    }
    EXPECT_EQ(Read(), "address=200;address_length=11;baud_rate=115200;byte_size=7;stop_bits=2;"
                      "parity_scheme=4;port_number=-;port_name=/dev/ttyUSB0;");
    NetRS485prg again;
    again.BuildParameters();
    EXPECT_EQ(again.GetValueByName("PrtY"), "Нечетность");
    EXPECT_EQ(again.GetValueByName("Port"), "/dev/ttyUSB0");
    EXPECT_EQ(again.GetValueByName("bPS"), "115200");
}

TEST_F(SettingsFile, StoreLeavesValuesItCannotReadAlone) {
    Write("parity_scheme=2\nport_number=7\nbaud_rate=4800\n");
    {
        NetRS485prg settings;
        settings.BuildParameters();
        EXPECT_EQ(settings.GetValueByName("PrtY"), "<неверное значние>");
        EXPECT_EQ(settings.GetValueByName("Port"), "COM7");
        settings.SetValueByName("Port", "COM12");
        settings.SetValueByName("bPS", "быстро");
        ASSERT_EQ(settings.Store(), 0);
    }
    EXPECT_EQ(Read(), "address=16;address_length=8;baud_rate=4800;byte_size=8;stop_bits=1;"
                      "parity_scheme=2;port_number=12;port_name=-;");
}

TEST_F(SettingsFile, DamagedLinesLoadAsDefaults) {
    Write("garbage\naddress=abc\nbaud_rate=\n");
    NetRS485prg settings;
    settings.BuildParameters();
    EXPECT_EQ(settings.GetValueByName("Addr"), "16");
    EXPECT_EQ(settings.GetValueByName("bPS"), "9600");
}

// A file that is not ours to read is said once, and left byte for byte.
TEST_F(SettingsFile, UnreadableFileIsSaidAndNeverReplaced) {
    const std::string binary("address=33\n\x01\xff\0garbage\nbaud_rate=4800\n", 36);
    const std::string oversized = "address=33\n" + std::string(2 << 20, 'x');
    for (const std::string& bytes : {binary, oversized}) {
        Write(bytes);
        ScriptedPrompter prompter;
        PrompterGuard guard(prompter);
        prompter.Script(PromptAnswer::Ok);
        {
            DeviceLink link;
            link.Settings().BuildParameters();
            EXPECT_EQ(link.Settings().GetValueByName("Addr"), "16");
            EXPECT_EQ(link.Settings().GetValueByName("bPS"), "9600");
            link.Settings().SetValueByName("Addr", "20");
            EXPECT_EQ(link.StoreSettings(), -1);
        }
        const auto shown = prompter.Shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, SettingsStore::kUnreadableText + path);
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()), {}), 1);
    }
}

TEST_F(SettingsFile, TypeNamesAndQueries) {
    NetRS485 device;
    NetRS485prg program;
    EXPECT_EQ(device.GetTypeName(), "Сетевые параметры прибора");
    EXPECT_EQ(program.GetTypeName(), "Сетевые параметры программы");
    EXPECT_EQ(device.GetElementKind() * 100 + device.GetElementVariant(), 404);
    EXPECT_EQ(program.GetElementKind() * 100 + program.GetElementVariant(), 1919);
    device.BuildParameters();
    EXPECT_EQ(device.Parameters().size(), 6u);
    EXPECT_EQ(device.FindByName("addr")->upper, 2047);
}

// The port helpers on a real pseudo-terminal, with the settings file aside.
class PortSettingsTest : public LinkTestBench {
protected:
    void SetUp() override {
        LinkTestBench::SetUp();
        link.Settings().BuildParameters();
    }
};

TEST_F(PortSettingsTest, FactorySettingsReopenThePortAndClearTheFlags) {
    NetRS485prg& s = link.Settings();
    s.SetValueByName("Port", peer.SlavePath());
    s.SetValueByName("Addr", "99");
    s.SetValueByName("PrtY", "Четность");
    link.State().SettingsChanged = true;
    DeviceOperations ops(link);
    ASSERT_EQ(ops.SetFactoryNetworkSettings(), 0);
    EXPECT_TRUE(link.Port().is_open());
    EXPECT_EQ(link.Port().device_address(), 16);
    EXPECT_EQ(link.Port().settings().baud_rate, 9600u);
    EXPECT_EQ(link.Port().settings().parity_code, kParityNone);
    EXPECT_FALSE(s.HasChanges());
    EXPECT_FALSE(link.State().SettingsChanged);
}

TEST_F(PortSettingsTest, PortThatCannotOpenIsShownInABox) {
    link.Settings().SetValueByName("Port", "/dev/zrk-no-such-port");
    prompter.Script(PromptAnswer::Ok);
    EXPECT_NE(link.open_port(), 0);
    const auto shown = prompter.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Неудается открыть порт /dev/zrk-no-such-port. Связь с сетью "
                             "отсутствует. Проверьте сетевые параметры\n\nПорт "
                             "/dev/zrk-no-such-port не найден: адаптер отключён от компьютера или "
                             "имя порта задано неверно.");
    EXPECT_EQ(shown[0].caption, "Ошибка драйвера последовательного порта");
    EXPECT_TRUE(shown[0].topmost);
}

} // namespace
