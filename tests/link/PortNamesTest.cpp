#include "link/PortNames.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "util/SettingsStore.h"

namespace {

TEST(PortNames, ComNamesMapToSerialDevices) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM12", "/dev/ttyS11"},
        {"com3", "/dev/ttyS2"},
        {"COM0", "COM0"},
        {"COM01", "COM01"},
        {"COM", "COM"},
        {"COM1x", "COM1x"},
        {"COM99999999999", "COM99999999999"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/serial/by-id/usb-FTDI_A50-if00-port0", "/dev/serial/by-id/usb-FTDI_A50-if00-port0"},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(PortNames::device_path(name), path) << name;
}

TEST(PortNames, StoredPortRoundTrips) {
    TempDir dir;
    const char* names[] = {"COM1", "COM12", "/dev/ttyUSB0", "/dev/pts/7", "COM3"};
    SettingsStore store(dir.file("s.conf"));
    for (const char* name : names) {
        PortNames::store(store, name);
        EXPECT_EQ(PortNames::load(store), name);
    }
    EXPECT_FALSE(store.contains("port_name")) << "a COM port must not leave a path that wins";
    EXPECT_EQ(store.get_int("port_number", 0), 3);
}

TEST(PortNames, PathWinsOverNumberAndEmptyStoreGivesCom1) {
    TempDir dir;
    SettingsStore store(dir.file("s.conf"));
    EXPECT_EQ(PortNames::load(store), "COM1");
    store.set_int("port_number", 4);
    store.set_text("port_name", "/dev/ttyACM0");
    EXPECT_EQ(PortNames::load(store), "/dev/ttyACM0");
    PortNames::store(store, "");
    EXPECT_EQ(PortNames::load(store), "/dev/ttyACM0");
}

} // namespace
