#pragma once
// Names of serial ports: the compatibility names COMn, device paths, and how
// the port is kept in the settings store.

#include <string>

class SettingsStore;

class PortNames {
public:
    // COMn (any case) opens /dev/ttyS(n-1); any other name is a device path.
    static std::string device_path(const std::string& port_name);
    // n of a COMn name, 0 for any other name.
    static int com_number(const std::string& port_name);

    // A COMn port is kept as port_number; any other as text under port_name,
    // which wins over port_number when both exist.
    static std::string load(const SettingsStore& store);
    static void store(SettingsStore& store, const std::string& port_name);
};
