#include "device/LinkTriage.h"

#include "device/DeviceLink.h"
#include "device/LinkScan.h"
#include "device/NetRS485.h"
#include "link/FrameCodec.h"

namespace {

constexpr int kProbes = 3;

} // namespace

std::vector<std::string> LinkTriage::Run(bool withScan) {
    std::vector<std::string> findings;
    SerialPort& port = link.Port();
    Frame request;
    request.address = port.device_address();
    request.request = true;
    request.hash = hash_name(kAddressName);
    const std::string text = encode_frame(request, port.address_length());
    int clean = 0, garbled = 0, cut = 0, silent = 0;
    for (int i = 0; i < kProbes && port.is_open(); ++i) {
        PortReply reply;
        const int r = port.transfer(text.data(), text.size(), reply);
        if (r == SerialPort::kTimedOut || (r == SerialPort::kDone && reply.text.empty()))
            ++silent;
        else if (r == SerialPort::kDone && reply.frame)
            ++clean;
        else if (r == SerialPort::kDone && reply.text.front() != '#')
            ++cut;
        else
            ++garbled;
    }
    if (port.echoes())
        findings.push_back("Адаптер возвращает отправленную посылку (эхо 2-проводной линии); "
                           "эхо отбрасывается.");
    if (garbled > 0)
        findings.push_back("Ответы приходят искаженными: вероятно, неверная скорость обмена или "
                           "четность.");
    if (cut > 0)
        findings.push_back("Ответы приходят без начала: адаптер RS-485 слишком поздно "
                           "переключается на прием после посылки.");
    if (clean > 0)
        findings.push_back("Прибор отвечает на запросы по адресу " +
                           std::to_string(port.device_address()) + ".");
    if (silent < kProbes)
        return findings;
    if (!withScan) {
        findings.push_back("Нет ответа с этими параметрами связи; zrk640ctl check --scan "
                           "попробует все остальные.");
        return findings;
    }
    const LineSettings before = port.settings();
    const int address = port.device_address(), length = port.address_length();
    const std::vector<ScanFind> found = LinkScan(link).Run(ScanPlan::Full(), {});
    if (found.empty()) {
        findings.push_back("Нет ответа ни при каких параметрах связи: проверьте питание прибора, "
                           "провода линии A и B, адаптер и его подключение.");
    } else {
        const ScanFind& f = found.front();
        findings.push_back("Прибор отвечает с другими параметрами связи: адрес " +
                           std::to_string(f.OwnAddress()) + ", " +
                           LinkScan::SettingText(f.OwnLine(), f.OwnAddressLength()) +
                           " (zrk640ctl scan назовет их).");
    }
    port.settings() = before;
    port.set_device_address(address);
    port.set_address_length(length);
    port.open();
    return findings;
}
