#include "link/PortEnumerator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace fs = std::filesystem;

namespace {

// "ttyUSB10" -> ("ttyUSB", 10), so numbers sort by value.
std::tuple<std::string, unsigned long, std::string> natural_key(const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    const std::string number = name.substr(digits);
    const unsigned long n = number.empty() || number.size() > 9 ? 0 : std::stoul(number);
    return {name.substr(0, digits), n, name};
}

std::string read_word(const fs::path& file) {
    std::ifstream in(file);
    std::string word;
    in >> word;
    return word;
}

} // namespace

PortEnumerator::PortEnumerator(std::string tty_class_dir, std::string dev_dir,
                               std::string by_id_dir)
    : tty_class_dir_(std::move(tty_class_dir)), dev_dir_(std::move(dev_dir)),
      by_id_dir_(std::move(by_id_dir)) {}

bool PortEnumerator::is_present_port(const std::string& tty_name) const {
    const fs::path entry = fs::path(tty_class_dir_) / tty_name;
    std::error_code ec;
    if (!fs::exists(entry / "device", ec))
        return false; // virtual consoles and the like have no device behind them
    // A UART slot the driver reserved but found no chip in reports type 0.
    return !fs::exists(entry / "type", ec) || read_word(entry / "type") != "0";
}

std::string PortEnumerator::stable_name(const std::string& tty_name) const {
    const fs::path device = fs::path(dev_dir_) / tty_name;
    std::error_code ec;
    const fs::path wanted = fs::weakly_canonical(device, ec);
    for (fs::directory_iterator it(by_id_dir_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string link = it->path().string();
        std::error_code dangling;
        // ':' separates the names in the choice list.
        if (link.find(':') == std::string::npos && fs::canonical(it->path(), dangling) == wanted &&
            !dangling)
            return link;
    }
    return device.string();
}

std::vector<std::string> PortEnumerator::present_ttys() const {
    std::vector<std::string> ttys;
    std::error_code ec;
    for (fs::directory_iterator it(tty_class_dir_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (is_present_port(name))
            ttys.push_back(name);
    }
    std::sort(ttys.begin(), ttys.end(),
              [](const auto& a, const auto& b) { return natural_key(a) < natural_key(b); });
    return ttys;
}

std::string PortEnumerator::driver_name(const std::string& tty_name) const {
    std::error_code ec;
    const fs::path driver = fs::read_symlink(fs::path(tty_class_dir_) / tty_name / "device/driver", ec);
    return ec ? std::string() : driver.filename().string();
}

std::vector<std::string> PortEnumerator::list() const {
    std::vector<std::string> names;
    for (const auto& tty : present_ttys())
        names.push_back(stable_name(tty));
    return names;
}

std::vector<PortChoice> PortEnumerator::choices() const {
    std::vector<PortChoice> ports;
    for (const auto& tty : present_ttys()) {
        PortChoice port{stable_name(tty), tty};
        const std::string by_id = fs::path(port.name).parent_path() == fs::path(by_id_dir_)
                                      ? fs::path(port.name).filename().string()
                                      : std::string();
        const std::string detail = by_id.empty() ? driver_name(tty) : by_id;
        if (!detail.empty())
            port.label += " (" + detail + ")";
        ports.push_back(std::move(port));
    }
    return ports;
}

std::string PortEnumerator::joined() const {
    std::string text;
    for (const auto& name : list())
        text += (text.empty() ? "" : ":") + name;
    return text;
}
