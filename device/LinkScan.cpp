#include "device/LinkScan.h"

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/NetRS485.h"
#include "link/FrameCodec.h"
#include "link/NetworkPort.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr int kHighestShortAddress = 254; // 255 is everybody's
constexpr int kHighestLongAddress = 2047;

int HighestAddress(int addressLength) {
    return addressLength == kLongAddressLength ? kHighestLongAddress : kHighestShortAddress;
}

// The factory rate first, then the faster ones, then the slower ones.
std::vector<std::uint32_t> BaudSearchOrder() {
    std::vector<std::uint32_t> rates;
    for (const char* choice : kBaudChoices)
        rates.push_back(static_cast<std::uint32_t>(std::strtoul(choice, nullptr, 10)));
    const auto factory = std::find(rates.begin(), rates.end(), std::uint32_t(kFactoryBaud));
    std::vector<std::uint32_t> order(factory, rates.end());
    order.insert(order.end(), std::make_reverse_iterator(factory), rates.rend());
    return order;
}

} // namespace

ScanPlan ScanPlan::Full() {
    ScanPlan plan;
    plan.bauds = BaudSearchOrder();
    plan.byteSizes = {8, 7}; // the controller's "LEn" offers both
    for (const ParityNames& parity : kParities)
        plan.parities.push_back(parity.code);
    plan.stopBits = {1, 2};
    plan.addressLengths = {8, kLongAddressLength};
    return plan;
}

LineSettings ScanFind::OwnLine() const {
    if (reported.size() != 6)
        return line;
    LineSettings own = line;
    own.baud_rate = static_cast<std::uint32_t>(reported[0]);
    own.byte_size = reported[1];
    own.parity_code = reported[2];
    own.stop_bits = reported[3];
    return own;
}

int ScanFind::OwnAddressLength() const {
    return reported.size() == 6 ? reported[4] : addressLength;
}

int ScanFind::OwnAddress() const {
    return reported.size() == 6 ? reported[5] : address;
}

void LinkScan::DropRepeats(std::vector<ScanFind>& found) {
    std::vector<ScanFind> once;
    for (const ScanFind& f : found) {
        const auto same = [&f](const ScanFind& g) {
            const LineSettings a = f.OwnLine(), b = g.OwnLine();
            return f.OwnAddress() == g.OwnAddress() &&
                   f.OwnAddressLength() == g.OwnAddressLength() && a.baud_rate == b.baud_rate &&
                   a.byte_size == b.byte_size && a.parity_code == b.parity_code &&
                   a.stop_bits == b.stop_bits;
        };
        if (std::none_of(once.begin(), once.end(), same))
            once.push_back(f);
    }
    found = std::move(once);
}

std::string LinkScan::SettingText(const LineSettings& line, int addressLength) {
    return std::to_string(line.baud_rate) + " бит/с, " + std::to_string(line.byte_size) +
           " бит, " + ParityNamesOf(line.parity_code).phrase + ", стоп-бит " +
           std::to_string(line.stop_bits) + ", адрес " + std::to_string(addressLength) + " бит";
}

std::chrono::milliseconds LinkScan::Cost(const Setting& s, int probes) const {
    return std::chrono::milliseconds(LineTiming(s.line).reply_timeout_ms()) * probes;
}

LinkScan::Answer LinkScan::Probe(int address, int addressLength, int& replyAddress) {
    Frame request;
    request.address = address;
    request.request = true;
    request.hash = hash_name(kAddressName);
    const std::string text = encode_frame(request, addressLength);
    PortReply reply;
    ++requests;
    // The port tells our reply from others' by the request in this address length.
    SerialPort& port = link.Port();
    const int length = port.address_length();
    port.set_address_length(addressLength);
    const int r = port.transfer(text.data(), text.size(), reply);
    port.set_address_length(length);
    ++done;
    if (r == SerialPort::kTimedOut || (r == SerialPort::kDone && reply.text.empty()))
        return Answer::None;
    if (r != SerialPort::kDone || !reply.frame)
        return Answer::Garbled;
    replyAddress = reply.frame->address;
    return Answer::Clean;
}

// Asks the controller for its own settings at the address that answered.
void LinkScan::Confirm(ScanFind& find) {
    NetRS485 device;
    device.BuildParameters();
    SerialPort& port = link.Port();
    port.set_device_address(find.address);
    port.set_address_length(find.addressLength);
    std::vector<int> values;
    // A reply lost at the setting that answered is asked for again.
    DeviceOperations ops(link);
    for (const char* name : {kBaudName, kByteSizeName, kParityName, kStopBitsName,
                             kAddressLengthName, kAddressName}) {
        Parameter* p = device.FindByName(name);
        if (ops.ReadParameter(p) != kLinkOk)
            return;
        values.push_back(std::atoi(p->value.c_str()));
        if (name == kParityName) {
            const ParityNames* parity = ParityOfText(p->value);
            values.back() = parity ? parity->code : kParityNone;
        }
    }
    find.reported = values;
}

void LinkScan::Report(const Setting& s, int probesLeftHere) {
    if (!progress)
        return;
    std::chrono::milliseconds left = Cost(s, probesLeftHere);
    for (std::size_t i = current + 1; i < settings.size(); ++i)
        left += Cost(settings[i], perSetting);
    progress(ScanProgress{SettingText(s.line, s.addressLength), done, total, left});
}

bool LinkScan::Open(const Setting& s) {
    link.Port().settings() = s.line;
    return link.Port().open() == 0;
}

// Every address of the plan at one setting; true when the scan should end.
bool LinkScan::Sweep(const Setting& s, const ScanPlan& plan, std::vector<ScanFind>& found) {
    // Only an address range given on purpose asks the broadcast address too.
    const bool explicitRange = plan.lastAddress >= 0;
    const int highest = explicitRange && s.addressLength != kLongAddressLength
                            ? kBroadcastAddress
                            : HighestAddress(s.addressLength);
    const int last = std::min(explicitRange ? plan.lastAddress : kHighestLongAddress, highest);
    for (int address = plan.firstAddress; address <= last; ++address) {
        if (link.Port().exit_event().is_set())
            return true;
        if (address == kBroadcastAddress && !explicitRange)
            continue;
        int replyAddress = 0;
        if (Probe(address, s.addressLength, replyAddress) == Answer::Clean) {
            // Everybody answers the broadcast address, each with its own.
            const int own = address == kBroadcastAddress ? replyAddress : address;
            found.push_back({s.line, s.addressLength, own, {}});
            if (!plan.all)
                return true;
        }
        if (address % 16 == 0)
            Report(s, last - address);
    }
    return false;
}

std::vector<ScanFind> LinkScan::Run(const ScanPlan& plan, const Progress& report) {
    progress = report;
    SerialPort& port = link.Port();
    const std::string portName = port.settings().port_name;
    // A device server keeps its own line settings: only addresses matter there.
    const bool network = NetworkPort::is_network_name(portName);
    settings.clear();
    for (std::uint32_t baud : plan.bauds)
        for (int bits : plan.byteSizes)
            for (int parity : plan.parities)
                for (int stop : plan.stopBits)
                    for (int length : plan.addressLengths) {
                        LineSettings line;
                        line.port_name = portName;
                        line.baud_rate = baud;
                        line.byte_size = bits;
                        line.parity_code = parity;
                        line.stop_bits = stop;
                        if (!network || settings.size() < plan.addressLengths.size())
                            settings.push_back({line, length});
                    }
    const int last = plan.lastAddress < 0 ? kHighestShortAddress : plan.lastAddress;
    const int sweep = std::max(1, last - plan.firstAddress + 1);
    perSetting = plan.broadcast ? 1 : sweep;
    total = static_cast<int>(settings.size()) * perSetting;
    std::vector<ScanFind> found;
    // Garbled broadcast answers: several controllers at once, or one at a
    // setting close to this one. Their addresses are asked one by one only
    // when no setting gave a clean answer.
    std::vector<Setting> garbled;
    for (current = 0; current < settings.size() && !port.exit_event().is_set(); ++current) {
        const Setting& s = settings[current];
        if (!Open(s))
            continue; // the adapter cannot do this setting
        Report(s, perSetting);
        if (!plan.broadcast) {
            if (Sweep(s, plan, found))
                break;
            continue;
        }
        int replyAddress = 0;
        const Answer heard = Probe(kBroadcastAddress, s.addressLength, replyAddress);
        if (heard == Answer::Clean) {
            found.push_back({s.line, s.addressLength, replyAddress, {}});
            if (!plan.all)
                break;
        } else if (heard == Answer::Garbled) {
            garbled.push_back(s);
        }
    }
    if (found.empty() || plan.all) {
        total += static_cast<int>(garbled.size()) * sweep;
        for (const Setting& s : garbled)
            if (Open(s) && Sweep(s, plan, found))
                break;
    }
    for (ScanFind& f : found) {
        port.settings() = f.line;
        if (port.open() == 0)
            Confirm(f);
    }
    DropRepeats(found);
    return found;
}
