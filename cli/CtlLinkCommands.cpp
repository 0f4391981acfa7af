// zrk640ctl scan and relink: finding a controller and changing its link
// settings without losing it.

#include "cli/CtlSession.h"

#include "device/LinkScan.h"
#include "device/LinkSettingsChange.h"

#include <cstdio>
#include <unistd.h>

namespace {

const char* ParityOption(int code) {
    return code == kParityEven ? "even" : code == kParityOdd ? "odd" : "none";
}

// The command-line options that reach the controller.
std::string OptionsText(int baud, int bits, int parity, int stop, int address, int length) {
    return "--baud " + std::to_string(baud) + " --parity " + ParityOption(parity) + " --bits " +
           std::to_string(bits) + " --stop " + std::to_string(stop) + " --addr " +
           std::to_string(address) + " --addr-len " + std::to_string(length);
}

void ShowProgress(const ScanProgress& p) {
    // On a terminal the line is rewritten in place; in a file every line stays.
    const bool terminal = ::isatty(STDERR_FILENO);
    std::fprintf(stderr, "%sПоиск: %s - %d из %d, осталось не более %lld с%s",
                 terminal ? "\r\033[K" : "", p.setting.c_str(), p.done, p.total,
                 static_cast<long long>((p.left.count() + 999) / 1000), terminal ? "" : "\n");
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
    if (o.parityCode)
        plan.parities = {*o.parityCode};
    if (o.stopBits)
        plan.stopBits = {*o.stopBits};
    if (o.addressLength)
        plan.addressLengths = {*o.addressLength};
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
    LinkScan scan(link);
    const std::vector<ScanFind> found = scan.Run(plan, ShowProgress);
    if (::isatty(STDERR_FILENO))
        std::fputs("\n", stderr);
    for (const ScanFind& f : found) {
        std::printf("Найден прибор: адрес %d, %s\n", f.address,
                    LinkScan::SettingText(f.line, f.addressLength).c_str());
        const std::vector<int>& r = f.reported;
        if (r.size() == 6)
            std::printf("Параметры связи: %s\n", OptionsText(r[0], r[1], r[2], r[3], r[5], r[4]).c_str());
        else
            std::printf("Параметры связи (прибор их не сообщил): %s\n",
                        OptionsText(int(f.line.baud_rate), f.line.byte_size, f.line.parity_code,
                                    f.line.stop_bits, f.address, f.addressLength)
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
