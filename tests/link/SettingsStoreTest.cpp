#include "util/SettingsStore.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdlib.h>
#include <sys/resource.h>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    return names;
}

// Sets an environment variable for one test and puts the old value back.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvOverride() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsStore, ValuesRoundTripAndTheFileIsCreatedWithItsFolders) {
    TempDir dir;
    const std::string path = dir.file("VESK/sub/ZRK640.conf");
    SettingsStore store(path);
    EXPECT_EQ(store.load(), 0);
    store.set_int("baud_rate", 115200);
    store.set_int("address", -5);
    EXPECT_EQ(store.set_text("port_name", "/dev/serial/by-id/usb-x=y"), 0);
    std::string error;
    ASSERT_EQ(store.save(error), 0) << error;

    SettingsStore again(path);
    ASSERT_EQ(again.load(), 0);
    EXPECT_EQ(again.get_int("baud_rate", 0), 115200);
    EXPECT_EQ(again.get_int("BAUD_RATE", 0), 115200) << "names compare without case";
    EXPECT_EQ(again.get_int("address", 0), -5);
    EXPECT_EQ(again.get_text("port_name", ""), "/dev/serial/by-id/usb-x=y");
    EXPECT_EQ(names_in(fs::path(path).parent_path()), std::vector<std::string>{"ZRK640.conf"});
}

TEST(SettingsStore, MissingFileGivesDefaults) {
    TempDir dir;
    SettingsStore store(dir.file("absent.conf"));
    EXPECT_EQ(store.load(), 0);
    EXPECT_EQ(store.get_int("address", 16), 16);
    EXPECT_EQ(store.get_text("port_name", "COM1"), "COM1");
    EXPECT_FALSE(fs::exists(dir.file("absent.conf"))) << "reading must not create the file";
}

TEST(SettingsStore, DamagedLinesGiveDefaultsAndForeignLinesSurviveAWrite) {
    TempDir dir;
    const std::string path = dir.file("ZRK640.conf");
    const std::string original = "[General]\n; a comment\nbaud_rate=fast\n"
                                 "stop_bits = 2 \n\xFE\xFF garbage\n"
                                 "byte_size=99999999999\nmy_key=kept\nparity_scheme=\n"s;
    std::ofstream(path, std::ios::binary) << original;
    SettingsStore store(path);
    EXPECT_EQ(store.load(), 0);
    EXPECT_EQ(store.get_int("baud_rate", 9600), 9600);
    EXPECT_EQ(store.get_int("stop_bits", 1), 2);
    EXPECT_EQ(store.get_int("byte_size", 8), 8);
    EXPECT_EQ(store.get_int("parity_scheme", 3), 3);
    store.set_int("baud_rate", 19200);
    std::string error;
    ASSERT_EQ(store.save(error), 0) << error;
    const std::string written = read_file(path);
    EXPECT_NE(written.find("; a comment\nbaud_rate=19200\n"), std::string::npos) << written;
    EXPECT_NE(written.find("my_key=kept\n"), std::string::npos);
    EXPECT_NE(written.find("[General]\n"), std::string::npos);
}

// Content in memory reads as the same file would; a line with no name
// before '=' matches only the empty name.
TEST(SettingsStore, ContentFromMemoryReadsLikeTheFile) {
    struct Case {
        std::string content;
        int loaded;
        const char* address; // text of "address", "-" when absent
    };
    const Case cases[] = {
        {"", 0, "-"},
        {"address = 17\r\n=x\nport", 0, "17"},
        {"=\naddress=18", 0, "18"},
        {"address=5\n\x01 binary\n", -1, "-"},
        {"address=5\n\0\n"s, -1, "-"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.file("s.conf");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.content;
        SettingsStore fromFile(path), fromMemory("");
        EXPECT_EQ(fromFile.load(), c.loaded) << c.content;
        EXPECT_EQ(fromMemory.load_text(c.content), c.loaded) << c.content;
        for (const SettingsStore* store : {&fromFile, &fromMemory}) {
            EXPECT_EQ(store->get_text("address", "-"), c.address) << c.content;
            EXPECT_FALSE(store->contains("port")) << c.content;
        }
    }
    SettingsStore store("");
    ASSERT_EQ(store.load_text("=x\nAddress=1\n"), 0);
    EXPECT_EQ(store.get_text("", "-"), "x");
    EXPECT_EQ(store.get_int("ADDRESS", 0), 1);
}

TEST(SettingsStore, ValuesWithLineBreaksAreRefused) {
    TempDir dir;
    SettingsStore store(dir.file("s.conf"));
    EXPECT_EQ(store.set_text("port_name", "/dev/tty\nbaud_rate=1"), -1);
    EXPECT_FALSE(store.contains("port_name"));
}

TEST(SettingsStore, OversizedBinaryOrUnreadableFileLoadsAsDefaultsAndIsNeverReplaced) {
    TempDir dir;
    const std::string big = dir.file("big.conf");
    std::ofstream(big) << "address=5\n" << std::string(2 << 20, 'x');
    const std::string binary = dir.file("binary.conf");
    const std::string binaryBytes = "address=5\n\x01\xFE\xFF garbage\0\n"s;
    std::ofstream(binary, std::ios::binary) << binaryBytes;
    for (const std::string& path : {big, binary, dir.path().string()}) {
        SettingsStore store(path);
        EXPECT_EQ(store.load(), -1) << path;
        EXPECT_EQ(store.get_int("address", 16), 16) << path;
        store.set_int("address", 20);
        std::string error;
        EXPECT_EQ(store.save(error), -1) << path;
        EXPECT_EQ(error, SettingsStore::kUnreadableText + path);
    }
    EXPECT_EQ(read_file(binary), binaryBytes);
    EXPECT_EQ(fs::file_size(big), 10u + (2 << 20));
}

TEST(SettingsStore, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("ZRK640.conf");
    std::ofstream(path) << "address=7\n";
    SettingsStore store(path);
    ASSERT_EQ(store.load(), 0);
    store.set_text("port_name", std::string(4096, 'p'));

    // Root ignores permissions; a file-size limit makes the write fail instead.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const int result = store.save(error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_EQ(result, -1);
    EXPECT_NE(error.find("Не удается записать файл настроек"), std::string::npos) << error;
    EXPECT_EQ(read_file(path), "address=7\n");
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"ZRK640.conf"});
}

TEST(SettingsStore, WriteOverAFolderFailsWithoutLeftovers) {
    TempDir dir;
    fs::create_directories(dir.file("ZRK640.conf/inner"));
    SettingsStore store(dir.file("ZRK640.conf"));
    store.set_int("address", 1);
    std::string error;
    EXPECT_EQ(store.save(error), -1);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"ZRK640.conf"});

    SettingsStore under_a_file(dir.file("ZRK640.conf/inner/x/../../../f/g.conf"));
    std::ofstream(dir.file("f")) << "";
    EXPECT_EQ(under_a_file.save(error), -1);
}

TEST(SettingsStore, ASymlinkedFileStaysALink) {
    TempDir dir;
    fs::create_directories(dir.file("real"));
    std::ofstream(dir.file("real/ZRK640.conf")) << "address=3\n";
    fs::create_symlink("real/ZRK640.conf", dir.file("link.conf"));
    SettingsStore store(dir.file("link.conf"));
    ASSERT_EQ(store.load(), 0);
    store.set_int("address", 4);
    std::string error;
    ASSERT_EQ(store.save(error), 0) << error;
    EXPECT_TRUE(fs::is_symlink(dir.file("link.conf")));
    EXPECT_EQ(read_file(dir.file("real/ZRK640.conf")), "address=4\n");
}

TEST(SettingsStore, PathFromTheEnvironment) {
    {
        EnvOverride config("ZRK640_CONFIG", "/tmp/zrk/explicit.conf");
        EXPECT_EQ(SettingsStore::default_path(), "/tmp/zrk/explicit.conf");
    }
    EnvOverride config("ZRK640_CONFIG", nullptr);
    {
        EnvOverride xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(SettingsStore::default_path(), "/tmp/xdg/VESK/ZRK640.conf");
    }
    EnvOverride xdg("XDG_CONFIG_HOME", nullptr);
    EnvOverride home("HOME", "/home/op");
    EXPECT_EQ(SettingsStore::default_path(), "/home/op/.config/VESK/ZRK640.conf");
}

} // namespace
