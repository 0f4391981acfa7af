#include "device/NetRS485prg.h"

#include "link/LineSettings.h"
#include "link/PortEnumerator.h"
#include "link/PortNames.h"
#include "util/SettingsStore.h"
#include "util/NumberText.h"
#include "util/Prompter.h"

#include <climits>
#include <memory>

namespace {

constexpr const char* kInvalidParityText = "<неверное значние>";
constexpr const char* kAdapterTypeKey = "RS485type";
// The settings file keeps an adapter type that nothing reads: always 0.
constexpr int kAdapterType = 0;
constexpr const char* kParityKey = "parity_scheme";

struct NumberSetting {
    const char* key;
    const char* name;
    int fallback;
};

constexpr NumberSetting kNumberSettings[] = {
    {"address", kAddressName, kFactoryAddress},
    {"address_length", kAddressLengthName, kFactoryAddressLength},
    {"baud_rate", kBaudName, kFactoryBaud},
    {"byte_size", kByteSizeName, kFactoryByteSize},
    {"stop_bits", kStopBitsName, kFactoryStopBits},
};

} // namespace

void NetRS485prg::BuildParameters() {
    NetRS485::BuildParameters();
    auto port = std::make_unique<Parameter>(kPortName);
    port->caption = "Порт компьютера";
    port->attributeStep = 0;
    Append(port.release());
    SettingsStore store;
    unreadable = store.load() != 0;
    if (unreadable)
        ShowMessage(SettingsStore::kUnreadableText + store.path());
    Load(store);
    storedValues = Values();
    built = true;
}

std::vector<std::string> NetRS485prg::Values() const {
    std::vector<std::string> values;
    for (const Parameter* p : Parameters())
        values.push_back(p->value);
    return values;
}

void NetRS485prg::ListPorts() { FindByName(kPortName)->format = PortEnumerator().joined(); }

std::string NetRS485prg::GetTypeName() const {
    return "Сетевые параметры программы";
}

std::string NetRS485prg::GetDescription() const {
    return NetRS485::GetDescription() + "COM-порт: " + GetValueByName(kPortName) + "\r\n";
}

void NetRS485prg::Load(const SettingsStore& store) {
    for (const NumberSetting& s : kNumberSettings)
        FindByName(s.name)->value = std::to_string(store.get_int(s.key, s.fallback));
    const ParityNames* parity = ParityOfCode(store.get_int(kParityKey, kParityNone));
    FindByName(kParityName)->value = parity ? parity->text : kInvalidParityText;
    FindByName(kPortName)->value = PortNames::load(store);
    for (Parameter* q : Parameters())
        q->changed = false;
}

int NetRS485prg::Store() {
    if (!built || unreadable)
        return -1;
    if (Values() == storedValues)
        return 0;
    SettingsStore store;
    if (store.load() != 0)
        return -1;
    for (const NumberSetting& s : kNumberSettings) {
        long long value = 0;
        if (ReadInteger(GetValueByName(s.name), value) > 0 && value >= INT_MIN && value <= INT_MAX)
            store.set_int(s.key, int(value));
    }
    if (const ParityNames* parity = ParityOfText(GetValueByName(kParityName)))
        store.set_int(kParityKey, parity->code);
    PortNames::store(store, GetValueByName(kPortName));
    store.set_int(kAdapterTypeKey, kAdapterType);
    std::string error;
    if (store.save(error) != 0)
        return -1;
    storedValues = Values();
    return 0;
}
