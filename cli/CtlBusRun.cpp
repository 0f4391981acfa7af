// diff and restore over several controllers of one line, one address after
// the other, on the same port and link settings.

#include "cli/CtlSession.h"

#include "cli/InterruptWatch.h"
#include "device/NetRS485.h"
#include "link/FrameCodec.h"

#include <cstdio>

namespace {

// Asked first at each address: whether a controller is there at all.
constexpr const char* kIdentityName = "dev";

} // namespace

void KeepOwnLinkSettings(CheckedConfiguration& checked) {
    const std::size_t before = checked.values.size() + checked.unread.size();
    if (LeaveOutNetworkSettings(checked))
        std::printf("Адрес и параметры связи из файла не переносятся: у каждого прибора линии "
                    "они свои (пропущено значений: %zu)\n",
                    before - checked.values.size() - checked.unread.size());
}

void CtlSession::UseAddress(int address) {
    link.Settings().SetValueByName(kAddressName, std::to_string(address));
    link.configure_port();
}

int CtlSession::OnEachAddress(bool comparing, const std::function<void(AddressRow&)>& job) {
    if (link.Port().address_length() != kLongAddressLength)
        for (int address : options.busAddresses)
            if (address > kBroadcastAddress)
                return Fail("Адрес " + std::to_string(address) +
                                " передается только 11-битными адресами (--addr-len " +
                                std::to_string(kLongAddressLength) + ")",
                            kUsageError);
    Parameter* identity = link.FindParameter(kIdentityName, 0);
    if (!identity)
        return Fail(std::string("Нет параметра ") + kIdentityName + " в базе параметров",
                    kDeviceFailure);
    AbortEvent& exit = link.Port().exit_event();
    InterruptWatch watch(exit);
    BusSummary summary(comparing);
    for (int address : options.busAddresses) {
        AddressRow row;
        row.address = address;
        if (exit.is_set() || !link.Port().is_open()) {
            row.result = "не проверялся";
            summary.Add(row);
            continue;
        }
        std::printf("\nАдрес %d:\n", address);
        UseAddress(address);
        ops.ReadParameter(identity);
        FlushLog();
        switch (identity->exchange.outcome()) {
        case ExchangeOutcome::NoReply:
            row.state = AddressRow::State::NotFound;
            row.result = "не найден";
            std::printf("Прибор не найден: %s\n", identity->message.c_str());
            break;
        case ExchangeOutcome::Aborted:
            row.result = "прервано";
            break;
        case ExchangeOutcome::PortGone:
            row.result = "нет порта";
            Fail(identity->message, kDeviceFailure);
            break;
        default:
            // Even a garbled answer says that someone is there.
            row.state = AddressRow::State::Found;
            job(row);
            if (exit.is_set() && !row.good)
                row.result = "прервано";
        }
        summary.Add(row);
    }
    std::printf("\n%s", summary.Text().c_str());
    return summary.AllGood() ? kSuccess : kDeviceFailure;
}
