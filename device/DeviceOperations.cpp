#include "device/DeviceOperations.h"

#include "device/DeviceLink.h"
#include "device/ExchangeObserver.h"
#include "util/Prompter.h"
#include "util/TextCase.h"

#include <cstdio>

namespace {

constexpr const char* kOutputStateName = "S.OE";
// The "S.OE" choice the device reports for an output element nothing drives.
constexpr int kFreeOutputChoice = 25;
constexpr int kOutputElements = 8;
// Exchanges of one request while its reply is lost.
constexpr int kExchanges = 3;

std::string Printed(const char* format, const Parameter& p, const std::string& text) {
    char line[512];
    std::snprintf(line, sizeof line, format, p.name.c_str(), p.index, text.c_str());
    return line;
}

} // namespace

int DeviceOperations::ReadParameter(Parameter* p) {
    if (!p)
        return kLinkNothing;
    const int r = Exchange(kRead, *p);
    if (r == kLinkOk && observer)
        observer->Read(*p);
    return r;
}

int DeviceOperations::WriteParameter(Parameter* p) {
    if (!p)
        return kLinkNothing;
    if (p->value == kNoData) {
        p->Record(ExchangeResult::Of(ExchangeCause::NotRead));
        return kLinkNotRead;
    }
    const int r = Exchange(kWrite, *p);
    if (r == kLinkOk && NetRS485::IsNetworkSettingName(p->name))
        link.State().SettingsChanged = true;
    if (r == kLinkOk && observer)
        observer->Written(*p);
    return r;
}

// A reply lost, garbled or about another request says nothing of what the
// controller did with the request (a write may have been taken): the same
// request goes again. A refusal is final.
int DeviceOperations::Exchange(int request, Parameter& p) {
    if (p.index < 0) {
        p.Record(ExchangeResult::Of(ExchangeCause::NegativeIndex));
        return kLinkNegativeIndex;
    }
    int r = link.exchange_parameter(request, p, exchangeLog);
    for (int n = 1; n < kExchanges && p.exchange.lost(); ++n)
        r = link.exchange_parameter(request, p, exchangeLog);
    return r;
}

int DeviceOperations::WriteChannelParameter(Parameter* p) {
    if (!p)
        return kLinkNothing;
    if (channelConfigurator && EqualsNoCase(p->name, "n.Ch"))
        return channelConfigurator(*p);
    Parameter* partner = link.State().Modification == 3 ? PartnerOf(*p) : nullptr;
    int partnerResult = kLinkOk;
    if (partner) {
        partner->value = p->value;
        partnerResult = WriteParameter(partner);
    }
    const int r = WriteParameter(p);
    if (r != kLinkOk || partnerResult == kLinkOk)
        return r;
    // The parameter holds its value but its partner does not: the operator must know.
    p->exchange = partner->exchange;
    p->message = Printed("Ошибка записи! Параметр %s[%i] - %s", *partner, partner->message);
    return partnerResult;
}

// In modification 3 "tp.h" and "t.val" describe one setting at two scales.
Parameter* DeviceOperations::PartnerOf(const Parameter& p) const {
    if (EqualsNoCase(p.name, "tp.h"))
        return link.FindParameter("t.val", p.index / 2);
    if (EqualsNoCase(p.name, "t.val"))
        return link.FindParameter("tp.h", p.index * 2);
    return nullptr;
}

void DeviceOperations::ConnectToFreeOutput(Parameter& p, std::vector<std::string>& lines) {
    Parameter* state = link.FindParameter(kOutputStateName, 0);
    if (!state)
        return;
    int free = -1;
    for (int i = 0; i < kOutputElements && free < 0; ++i) {
        state->index = i;
        // An element whose state was not read is not taken for free.
        if (ReadParameter(state) == kLinkOk &&
            state->value == choice_text(*state, kFreeOutputChoice))
            free = i;
    }
    state->index = 0;
    if (free < 0)
        return;
    p.value = choice_text(p, free + 1);
    if (WriteParameter(&p) != kLinkOk)
        lines.push_back(Printed("Ошибка записи! Параметр %s[%i] - %s", p, p.message));
    else
        lines.push_back(Printed("К параметру %s[%i] подключен %s", p, p.value));
}

// A parameter missing from the table fails the check: an identity that was
// never read must not pass as confirmed.
int DeviceOperations::ReadForCheck(const char* name, Parameter* p, std::string& errors) {
    if (!p) {
        errors += std::string("Не найден параметр ") + name + " в основной таблице параметров!\n";
        return kLinkNothing;
    }
    const int r = ReadParameter(p);
    if (r != kLinkOk)
        errors += "Ошибка команды '" + p->name + "':\n" + p->message + "\n";
    return r;
}

bool DeviceOperations::CheckDevice(DeviceCheckReport& report) {
    report = {};
    Parameter* error = link.FindParameter("n.Err", 0);
    Parameter* device = link.FindParameter("dev", 0);
    Parameter* version = link.FindParameter("ver", 0);
    Parameter* modification = link.FindParameter("mod.v", 0);
    ReadForCheck("n.Err", error, report.errors);
    if (ReadForCheck("dev", device, report.errors) == kLinkOk) {
        report.info = "Прибор: " + device->value + "\n";
        if (ReadForCheck("mod.v", modification, report.errors) == kLinkOk)
            report.info += "(Номер модификации: " + modification->value + ")\n";
    }
    if (ReadForCheck("ver", version, report.errors) == kLinkOk)
        report.info += "Версия прошивки: " + version->value + "\n";
    if (error && error->value != kNoData)
        report.info += "Код послед. ошибки: " + error->value + "\n";
    return report.errors.empty();
}

bool DeviceOperations::CheckDevice() {
    DeviceCheckReport report;
    const bool good = CheckDevice(report);
    if (!report.errors.empty())
        ShowMessage(report.errors, kApplicationTitle, PromptIcon::Error);
    if (!report.info.empty())
        ShowMessage(report.info, "Проверка прибора", PromptIcon::Information);
    return good;
}

int DeviceOperations::SetFactoryNetworkSettings() {
    NetRS485prg& settings = link.Settings();
    settings.SetValueByName(kAddressName, std::to_string(kFactoryAddress));
    settings.SetValueByName(kAddressLengthName, std::to_string(kFactoryAddressLength));
    settings.SetValueByName(kBaudName, std::to_string(kFactoryBaud));
    settings.SetValueByName(kByteSizeName, std::to_string(kFactoryByteSize));
    settings.SetValueByName(kStopBitsName, std::to_string(kFactoryStopBits));
    settings.SetValueByName(kParityName, kFactoryParityText);
    return link.open_port();
}
