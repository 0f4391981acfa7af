#include "link/PortEnumerator.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// A stand-in for /sys/class/tty, /dev and /dev/serial/by-id.
class FakeSystem {
public:
    FakeSystem() {
        fs::create_directories(sys());
        fs::create_directories(dev());
        fs::create_directories(by_id());
    }
    void tty(const std::string& name, bool device, const char* type = nullptr) {
        fs::create_directories(sys() / name);
        if (device)
            fs::create_directories(sys() / name / "device");
        if (type)
            std::ofstream(sys() / name / "type") << type << "\n";
        std::ofstream(dev() / name) << "";
    }
    void driver(const std::string& tty, const std::string& name) {
        fs::create_symlink("../../../bus/drivers/" + name, sys() / tty / "device/driver");
    }
    void link(const std::string& by_id_name, const std::string& tty) {
        fs::create_symlink("../../" + tty, by_id() / by_id_name);
    }
    PortEnumerator enumerator() const {
        return PortEnumerator(sys().string(), dev().string(), by_id().string());
    }
    fs::path sys() const { return dir.path() / "sys"; }
    fs::path dev() const { return dir.path() / "dev"; }
    fs::path by_id() const { return dir.path() / "dev/serial/by-id"; }

private:
    TempDir dir;
};

TEST(PortEnumerator, PresentPortsInNaturalOrderWithStableNames) {
    FakeSystem sys;
    sys.tty("ttyS0", true, "4");
    sys.tty("ttyS1", true, "0"); // reserved slot, no UART
    sys.tty("ttyS10", true, "4");
    sys.tty("ttyS2", true, "4");
    sys.tty("tty0", false);
    sys.tty("console", false);
    sys.tty("ttyUSB0", true);
    sys.tty("ttyACM0", true);
    sys.link("usb-FTDI_FT232R_A50-if00-port0", "ttyUSB0");
    sys.link("usb-Odd:Name-if00", "ttyACM0"); // ':' cannot stand in a choice list
    sys.link("usb-Gone-if00", "ttyUSB9");     // dangling

    const std::string dev = sys.dev().string();
    const std::vector<std::string> expected = {
        dev + "/ttyACM0",
        dev + "/ttyS0",
        dev + "/ttyS2",
        dev + "/ttyS10",
        (sys.by_id() / "usb-FTDI_FT232R_A50-if00-port0").string(),
    };
    EXPECT_EQ(sys.enumerator().list(), expected);
    EXPECT_EQ(sys.enumerator().joined(), expected[0] + ":" + expected[1] + ":" + expected[2] + ":" +
                                             expected[3] + ":" + expected[4]);
}

// The operator recognises an adapter by its by-id name, a built-in port by its driver.
TEST(PortEnumerator, ChoicesLabelPortsByIdNameOrDriver) {
    FakeSystem sys;
    sys.tty("ttyS0", true, "4");
    sys.driver("ttyS0", "serial8250");
    sys.tty("ttyUSB0", true);
    sys.driver("ttyUSB0", "ftdi_sio");
    sys.link("usb-FTDI_FT232R_A50-if00-port0", "ttyUSB0");
    sys.tty("ttyACM0", true);

    const std::vector<PortChoice> choices = sys.enumerator().choices();
    ASSERT_EQ(choices.size(), 3u);
    const std::string dev = sys.dev().string();
    EXPECT_EQ(choices[0].name, dev + "/ttyACM0");
    EXPECT_EQ(choices[0].label, "ttyACM0");
    EXPECT_EQ(choices[1].name, dev + "/ttyS0");
    EXPECT_EQ(choices[1].label, "ttyS0 (serial8250)");
    EXPECT_EQ(choices[2].name, (sys.by_id() / "usb-FTDI_FT232R_A50-if00-port0").string());
    EXPECT_EQ(choices[2].label, "ttyUSB0 (usb-FTDI_FT232R_A50-if00-port0)");
}

TEST(PortEnumerator, MissingFoldersGiveAnEmptyList) {
    TempDir dir;
    PortEnumerator e(dir.file("none"), dir.file("none"), dir.file("none"));
    EXPECT_TRUE(e.list().empty());
    EXPECT_EQ(e.joined(), "");
}

} // namespace
