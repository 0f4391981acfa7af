#pragma once
// The serial ports the system has, found in sysfs without opening any of
// them (opening a port raises RTS and would key the adapter's transmitter).

#include <string>
#include <vector>

class PortEnumerator {
public:
    explicit PortEnumerator(std::string tty_class_dir = "/sys/class/tty",
                            std::string dev_dir = "/dev",
                            std::string by_id_dir = "/dev/serial/by-id");

    // Ports in natural name order (ttyS2 before ttyS10); a port that has a
    // /dev/serial/by-id name is listed by it, since that name survives re-plugging.
    std::vector<std::string> list() const;
    // The list as a choice text: names separated by ':'.
    std::string joined() const;

private:
    bool is_present_port(const std::string& tty_name) const;
    std::string stable_name(const std::string& tty_name) const;

    std::string tty_class_dir_;
    std::string dev_dir_;
    std::string by_id_dir_;
};
