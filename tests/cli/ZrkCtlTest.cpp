#include "ControllerPeer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

class ZrkCtlTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/zrkctl-XXXXXX";
        folder = mkdtemp(pattern);
        // A settings file that the tool must read and must not change.
        settings = folder + "/ZRK640.conf";
        std::ofstream(settings) << "address=33\nbaud_rate=115200\n";
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs zrk640ctl on the peer's line with args.
    Outcome Run(const std::string& args, bool withPort = true) {
        const std::string command = "ZRK640_CONFIG=" + settings + " " + ZRK640CTL + " " +
                                    (withPort ? "--port " + peer.SlavePath() + " " : "") + args +
                                    " >" + folder + "/out 2>" + folder + "/err";
        const int status = std::system(command.c_str());
        Outcome o;
        o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        o.out = Slurp(folder + "/out");
        o.err = Slurp(folder + "/err");
        return o;
    }

    static std::string Slurp(const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }

    void Serve(std::map<std::string, Bytes> values) {
        peer.SetResponder([values](const Frame& r, int) {
            if (!r.request)
                return ControllerPeer::Reply(r, r.hash, r.data);
            for (const auto& [name, data] : values)
                if (hash_name(name) == r.hash)
                    return ControllerPeer::Reply(r, r.hash, data);
            return ControllerPeer::ErrorReply(r, 0x28);
        });
    }

    ControllerPeer peer;
    std::string folder, settings;
};

TEST_F(ZrkCtlTest, ReadUsesTheStoredAddressAndPrintsTheValue) {
    Serve({{"Addr", {0, 77}}});
    const Outcome o = Run("read Addr");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "77\n");
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].address, 33);
    EXPECT_EQ(Slurp(settings), "address=33\nbaud_rate=115200\n");
}

TEST_F(ZrkCtlTest, WriteSendsTheConvertedValueWithItsIndex) {
    Serve({});
    const Outcome o = Run("--addr 5 --format DEC_dot write rel.a:2 300");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "300\n");
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].address, 5);
    EXPECT_EQ(peer.Requests()[0].data, (Bytes{0x01, 0x2C, 0, 2}));
}

TEST_F(ZrkCtlTest, CheckPrintsTheIdentity) {
    Serve(
        {{"n.Err", {0}}, {"dev", {'0', '4', '6', 'K', 'R', 'Z'}}, {"ver", {'3'}}, {"mod.v", {2}}});
    const Outcome o = Run("check");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "Прибор: ZRK640\n(Номер модификации: 2)\nВерсия прошивки: 3\n"
                     "Код послед. ошибки: 0\n");
}

TEST_F(ZrkCtlTest, DeviceFailuresExitWithTheirText) {
    Serve({});
    Outcome o = Run("read mod.v");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err, "Не найден дескриптор\n");
    peer.SetResponder([](const Frame&, int) { return std::string(); });
    o = Run("check");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Ошибка команды 'dev':\nТаймаут при передаче данных (нет связи)"),
              std::string::npos)
        << o.err;
    // Nothing was read, so no value is shown as if it had been.
    EXPECT_EQ(o.out, "");
}

TEST_F(ZrkCtlTest, TraceShowsFramesAndBytes) {
    Serve({{"LEn", {1}}});
    const Outcome o = Run("--trace read LEn");
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.out, "8\n");
    EXPECT_NE(o.err.find(">> #"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("<< Ответ: # 0 : 001 = 0x01 (.)"), std::string::npos) << o.err;
}

// The last of an option given twice counts, before or after the command.
TEST_F(ZrkCtlTest, RepeatedOptionTakesTheLastValue) {
    Serve({{"Addr", {0, 77}}});
    for (const char* args : {"--addr 5 --addr 7 read Addr", "--addr 5 read Addr --addr 7"}) {
        const Outcome o = Run(args);
        EXPECT_EQ(o.exitCode, 0) << args << o.err;
        ASSERT_FALSE(peer.Requests().empty());
        EXPECT_EQ(peer.Requests().back().address, 7) << args;
    }
}

// A value the controller refuses to give is kept in the file as unread and
// named; the dump does not claim to be whole.
TEST_F(ZrkCtlTest, DumpKeepsWhatTheControllerWouldNotGiveAsUnread) {
    peer.SetResponder([](const Frame& r, int) {
        if (r.hash == hash_name("n.Ch") || r.hash == hash_name("mod.v"))
            return ControllerPeer::Reply(r, r.hash, {1});
        return ControllerPeer::ErrorReply(r, r.hash == hash_name("Pb") ? 49 : 40);
    });
    const std::string file = folder + "/site.cfg";
    const Outcome o = Run("dump " + file);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Не прочитано Pb[0]: Размер поля данных не соответствует ожидаемому\n"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("Не прочитано параметров: 8; в файле они отмечены \"Нет данных\"\n"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(o.out, "Сохранено параметров: 2\n");
    const std::string text = Slurp(file);
    EXPECT_NE(text.find("\nPb[7] = Нет данных  # Полоса пропорциональности регулятора 8; не "
                        "прочитано: Размер поля данных не соответствует ожидаемому\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nmod.v = 1  #"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind("\n#")), "\n# Конец файла, значений: 10\n");
}

TEST_F(ZrkCtlTest, ApplyIsWrittenWithoutAValue) {
    Serve({{"APLY", {}}});
    const Outcome o = Run("write APLY");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    ASSERT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(peer.Requests()[0].hash, hash_name("APLY"));
    EXPECT_TRUE(peer.Requests()[0].data.empty());
}

TEST_F(ZrkCtlTest, BadCommandLinesChangeNothing) {
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"read rel.a:x", "Неверный индекс параметра: 'rel.a:x'\n"},
        {"read nosuch", "Brisko 640: Не найден параметр nosuch в основной таблице параметров!\n"},
        {"--parity mark read dev", "Недопустимое значение --parity mark\n"},
        {"--addr-len 9 read dev", "Недопустимое значение --addr-len 9\n"},
        {"frobnicate", "Неизвестная команда: 'frobnicate' (см. --help)\n"},
        {"write Addr", "Использование: zrk640ctl write ИМЯ[:ИНДЕКС] ЗНАЧЕНИЕ\n"},
        {"write Addr 12x", "Недопустимое значение '12x' для параметра Addr (от 0 до 2047)\n"},
        {"write behv 1", "Недопустимое значение '1' для параметра behv: возможные значения: "
                         "Переход в \"Старт\", Продолжение работы, Переход в \"Стоп\"\n"},
        {"write Pb:0 10000", "Недопустимое значение '10000' для параметра Pb (от 0.1 до 9999)\n"},
        {"check extra", "Лишние слова после команды check: extra (см. --help)\n"},
        {"scan --all 1-32", "Лишние слова после команды scan: 1-32 (см. --help)\n"},
        {"relink --baud 19200 now", "Лишние слова после команды relink: now (см. --help)\n"},
        {"ports all", "Лишние слова после команды ports: all (см. --help)\n"},
        {"--addr-len 8 scan --addresses 300-310", "Адреса выше 255 - только с --addr-len 11\n"},
        {"read dev ver", "Использование: zrk640ctl read ИМЯ[:ИНДЕКС]\n"},
        {"write ti :30", "Недопустимое значение ':30' для параметра ti (от 00:00 до 99:59)\n"},
        {"write ti :5:3", "Недопустимое значение ':5:3' для параметра ti (от 00:00 до 99:59)\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = Run(c.args);
        EXPECT_EQ(o.exitCode, 2) << c.args;
        EXPECT_EQ(o.err, c.err) << c.args;
    }
    EXPECT_TRUE(peer.Requests().empty());
    EXPECT_EQ(Slurp(settings).find("address=33\nbaud_rate=115200\n"), 0u);
}

// The tool only reads the settings file: none is created, an unreadable one
// is said and left byte for byte, and overrides are never stored.
TEST_F(ZrkCtlTest, SettingsFileIsOnlyRead) {
    Serve({{"Addr", {0, 77}}});
    fs::remove(settings);
    Outcome o = Run("--addr 5 read Addr");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_FALSE(fs::exists(settings));

    const std::string binary("address=33\n\x01\xfe\0garbage\n", 22);
    std::ofstream(settings, std::ios::binary) << binary;
    o = Run("--addr 5 read Addr");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.err.find("Не удается прочитать файл настроек"), std::string::npos) << o.err;
    EXPECT_EQ(Slurp(settings), binary);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3); // with out and err
    EXPECT_EQ(peer.Requests().back().address, 5);
}

TEST_F(ZrkCtlTest, PortThatCannotOpenExitsThree) {
    const Outcome o = Run("--port /dev/zrk-no-such-port read dev", false);
    EXPECT_EQ(o.exitCode, 3);
    EXPECT_NE(o.err.find("Неудается открыть порт /dev/zrk-no-such-port"), std::string::npos);
}

TEST_F(ZrkCtlTest, HelpGoesToStdout) {
    const Outcome o = Run("--help", false);
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.out.rfind("Использование: zrk640ctl", 0), 0u);
}

} // namespace

namespace {

// What the line does to the controller's replies, and what check says of it.
TEST_F(ZrkCtlTest, CheckNamesWhatTheLineDoes) {
    const auto identity = [](const Frame& r) {
        const std::map<std::uint16_t, Bytes> values = {
            {hash_name("n.Err"), {0}}, {hash_name("dev"), {'0', '4', '6', 'K', 'R', 'Z'}},
            {hash_name("ver"), {'3'}}, {hash_name("mod.v"), {2}}, {hash_name("Addr"), {33}}};
        const auto found = values.find(r.hash);
        return found == values.end() ? ControllerPeer::ErrorReply(r, 0x28)
                                     : ControllerPeer::Reply(r, r.hash, found->second);
    };
    const struct {
        ControllerPeer::Responder responder;
        int exitCode;
        const char* finding;
    } cases[] = {
        // A 2-wire adapter hands every request back before the reply.
        {[&](const Frame& r, int) { return encode_frame(r, 8) + identity(r); }, 0,
         "Адаптер возвращает отправленную посылку (эхо); эхо отбрасывается."},
        {[&](const Frame& r, int) {
             std::string reply = identity(r);
             reply[5] = reply[5] == '0' ? '1' : '0';
             return reply;
         },
         1, "Ответы приходят искаженными"},
        {[&](const Frame& r, int) { return identity(r).substr(3); }, 1,
         "Ответы приходят без начала"},
        {[](const Frame&, int) { return std::string(); }, 1,
         "Нет ответа с этими параметрами связи; zrk640ctl check --scan"},
    };
    for (const auto& c : cases) {
        peer.SetResponder(c.responder);
        const Outcome o = Run("check");
        EXPECT_EQ(o.exitCode, c.exitCode) << c.finding << o.err;
        EXPECT_NE(o.err.find(c.finding), std::string::npos) << c.finding << "\n" << o.err;
    }
}

TEST_F(ZrkCtlTest, PortHeldByAnotherProcessIsNamed) {
    const int held = ::open(peer.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const Outcome o = Run("read dev");
    // Another device is held by nobody, whatever its inode number.
    const Outcome other = Run("--port /dev/null check", false);
    ::close(held);
    EXPECT_EQ(o.exitCode, 3);
    EXPECT_NE(o.err.find("занят процессом " + std::to_string(::getpid()) + " (cli_tests)"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(other.exitCode, 3);
    EXPECT_EQ(other.err.find("занят"), std::string::npos) << other.err;
    EXPECT_NE(other.err.find("Устройство /dev/null - не последовательный порт."),
              std::string::npos)
        << other.err;
}

} // namespace
