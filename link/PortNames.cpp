#include "link/PortNames.h"

#include <charconv>
#include <strings.h>

#include "util/SettingsStore.h"

int PortNames::com_number(const std::string& port_name) {
    if (port_name.size() < 4 || ::strncasecmp(port_name.c_str(), "COM", 3) != 0)
        return 0;
    const char* first = port_name.data() + 3;
    const char* last = port_name.data() + port_name.size();
    if (*first < '1' || *first > '9')
        return 0;
    int n = 0;
    const auto [end, ec] = std::from_chars(first, last, n);
    return ec == std::errc() && end == last ? n : 0;
}

std::string PortNames::device_path(const std::string& port_name) {
    const int n = com_number(port_name);
    return n > 0 ? "/dev/ttyS" + std::to_string(n - 1) : port_name;
}

std::string PortNames::load(const SettingsStore& store) {
    std::string name = store.get_text("port_name", "");
    if (!name.empty())
        return name;
    return "COM" + std::to_string(store.get_int("port_number", 1));
}

void PortNames::store(SettingsStore& store, const std::string& port_name) {
    const int n = com_number(port_name);
    if (n > 0) {
        store.set_int("port_number", n);
        store.remove("port_name");
    } else if (!port_name.empty()) {
        store.set_text("port_name", port_name);
    }
}
