#pragma once
// The serial ports the system has, found in sysfs without opening any of
// them (opening a port raises RTS and would key the adapter's transmitter).

#include <string>
#include <vector>

// A port as the operator picks it: the name the settings keep, and a label
// that tells the adapter apart (its by-id name or its driver).
struct PortChoice {
    std::string name;
    std::string label;
};

class PortEnumerator {
public:
    explicit PortEnumerator(std::string tty_class_dir = "/sys/class/tty",
                            std::string dev_dir = "/dev",
                            std::string by_id_dir = "/dev/serial/by-id");

    // Ports in natural name order (ttyS2 before ttyS10); a port that has a
    // /dev/serial/by-id name is listed by it, since that name survives re-plugging.
    std::vector<std::string> list() const;
    // The same ports with their labels, e.g. "ttyS0 (serial8250)" or
    // "ttyUSB0 (usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0)".
    std::vector<PortChoice> choices() const;
    // The list as a choice text: names separated by ':'.
    std::string joined() const;

private:
    bool is_present_port(const std::string& tty_name) const;
    std::vector<std::string> present_ttys() const;
    std::string stable_name(const std::string& tty_name) const;
    std::string driver_name(const std::string& tty_name) const;

    std::string tty_class_dir_;
    std::string dev_dir_;
    std::string by_id_dir_;
};
