#include "device/NetRS485.h"

#include "util/TextCase.h"
#include "params/NumberFormats.h"

#include <memory>

void NetRS485::BuildParameters() {
    InvisibleElement::BuildParameters();
    AddParameter(kBaudName, "Скорость обмена", ChoiceListOf(kBaudChoices));
    AddParameter(kByteSizeName, "Длина слова данных", ChoiceListOf(kByteSizeChoices));
    AddParameter(kParityName, "Четность", ChoiceListOf(kParityChoices));
    AddParameter(kStopBitsName, "Кол-во стоп-бит", ChoiceListOf(kStopBitsChoices));
    AddParameter(kAddressLengthName, "Длина адреса RS-485", ChoiceListOf(kAddressLengthChoices));
    AddParameter(kAddressName, "Собственный адрес прибора", kDecDotFormat);
    Parameter* address = FindByName(kAddressName);
    address->lower = 0;
    address->upper = 2047;
}

std::string NetRS485::GetTypeName() const {
    return "Сетевые параметры прибора";
}

bool NetRS485::IsNetworkSettingName(const std::string& name) {
    for (const char* known :
         {kBaudName, kByteSizeName, kParityName, kStopBitsName, kAddressLengthName, kAddressName}) {
        if (EqualsNoCase(name, known))
            return true;
    }
    return false;
}

void NetRS485::AddParameter(const char* name, const char* description,
                            const std::string& format) {
    auto p = std::make_unique<Parameter>(name);
    p->caption = description;
    p->format = format;
    Append(p.release());
}
