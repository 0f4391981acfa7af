// zrk640ctl scan and relink: finding a controller and changing its link
// settings without losing it.

#include "cli/CtlSession.h"

#include "cli/TerminalLine.h"
#include "device/LinkScan.h"
#include "device/LinkSettingsChange.h"
#include "link/NetworkPort.h"
#include "params/ControllerLinkSettings.h"

#include <cstdio>

namespace {

// The command-line options that reach the controller.
std::string OptionsText(int baud, int bits, int parity, int stop, int address, int length) {
    return "--baud " + std::to_string(baud) + " --parity " + ParityNamesOf(parity).option + " --bits " +
           std::to_string(bits) + " --stop " + std::to_string(stop) + " --addr " +
           std::to_string(address) + " --addr-len " + std::to_string(length);
}

std::string ProgressText(const ScanProgress& p) {
    return "Поиск: " + p.setting + " - " + std::to_string(p.done) + " из " +
           std::to_string(p.total) + ", осталось не более " +
           std::to_string((p.left.count() + 999) / 1000) + " с";
}

// A device server keeps the line's settings it was set up with, whatever
// the controller is told.
void WarnOfDeviceServer(const std::string& portName, const char* consequence) {
    if (NetworkPort::is_network_name(portName))
        std::fprintf(stderr,
                     "Внимание: %s - сервер последовательных портов; скорость, длину слова, "
                     "четность и стоп-биты линии держит он сам. %s\n",
                     portName.c_str(), consequence);
}

} // namespace

int CtlSession::Scan() {
    link.Settings().BuildParameters();
    ApplyOverrides();
    link.configure_port();
    const LinkOverrides& o = options.link;
    ScanPlan plan = ScanPlan::Full();
    if (o.baud)
        plan.bauds = {static_cast<std::uint32_t>(*o.baud)};
    if (o.byteSize)
        plan.byteSizes = {*o.byteSize};
    if (o.parityCode)
        plan.parities = {*o.parityCode};
    if (o.stopBits)
        plan.stopBits = {*o.stopBits};
    if (o.addressLength)
        plan.addressLengths = {*o.addressLength};
    if (options.addresses && o.addressLength && *o.addressLength != kLongAddressLength &&
        options.addresses->first > kBroadcastAddress)
        return Fail("Адреса выше " + std::to_string(kBroadcastAddress) + " - только с --addr-len " +
                        std::to_string(kLongAddressLength),
                    kUsageError);
    if (options.addresses) {
        plan.firstAddress = options.addresses->first;
        plan.lastAddress = options.addresses->second;
    }
    plan.broadcast = !options.noBroadcast;
    plan.all = options.all;
    if (link.Port().open() != 0)
        return Fail("Неудается открыть порт " + link.Port().settings().port_name + ". " +
                        link.Port().error_text(),
                    kPortFailure);
    WarnOfDeviceServer(link.Port().settings().port_name,
                       "Поиск перебирает только адреса и длины адреса.");
    LinkScan scan(link);
    TerminalLine line(true);
    const std::vector<ScanFind> found =
        scan.Run(plan, [&line](const ScanProgress& p) { line.Show(ProgressText(p)); });
    line.End();
    for (const ScanFind& f : found) {
        const LineSettings own = f.OwnLine();
        std::printf("Найден прибор: адрес %d, %s\n", f.OwnAddress(),
                    LinkScan::SettingText(own, f.OwnAddressLength()).c_str());
        std::printf("Параметры связи%s: %s\n",
                    f.reported.empty() ? " (прибор их не сообщил)" : "",
                    OptionsText(int(own.baud_rate), own.byte_size, own.parity_code,
                                own.stop_bits, f.OwnAddress(), f.OwnAddressLength())
                        .c_str());
    }
    if (found.empty())
        return Fail("Приборы не найдены (запросов: " + std::to_string(scan.Requests()) + ")",
                    kDeviceFailure);
    return kSuccess;
}

int CtlSession::Relink() {
    const std::map<std::string, std::string> wanted = LinkSettingTexts(options.target);
    if (wanted.empty() || options.target.port)
        return Fail("Использование: zrk640ctl [параметры связи] relink [--baud ..] [--parity ..] "
                    "[--bits ..] [--stop ..] [--addr ..] [--addr-len ..]",
                    kUsageError);
    const LinkOverrides& t = options.target;
    if (t.baud || t.byteSize || t.parityCode || t.stopBits)
        WarnOfDeviceServer(link.Port().settings().port_name,
                           "Прибор с новой скоростью или форматом кадра останется за сервером без "
                           "связи, пока те же параметры не выставлены на сервере.");
    std::vector<std::string> report;
    const LinkChangeOutcome outcome = LinkSettingsChange(link, ops).Run(wanted, report);
    FlushLog();
    const bool good = LinkSettingsChange::Succeeded(outcome);
    for (const std::string& line : report)
        std::fprintf(good ? stdout : stderr, "%s\n", line.c_str());
    if (!good)
        return kDeviceFailure;
    const SerialPort& port = link.Port();
    std::printf("Параметры связи: %s\n",
                OptionsText(int(port.settings().baud_rate), port.settings().byte_size,
                            port.settings().parity_code, port.settings().stop_bits,
                            port.device_address(), port.address_length())
                    .c_str());
    return kSuccess;
}
