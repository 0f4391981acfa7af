#include "device/NetRS485.h"

#include "util/TextCase.h"
#include "params/NumberFormats.h"

#include <memory>

void NetRS485::BuildParameters() {
    InvisibleElement::BuildParameters();
    AddParameter(kBaudName, "Скорость обмена",
                 "2400:4800:9600:14400:19200:28800:38400:57600:115200");
    AddParameter(kByteSizeName, "Длина слова данных", "7:8");
    AddParameter(kParityName, "Четность", "Отсутствует:Четность:Нечетность");
    AddParameter(kStopBitsName, "Кол-во стоп-бит", "1:2");
    AddParameter(kAddressLengthName, "Длина адреса RS-485", "8:11");
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

void NetRS485::AddParameter(const char* name, const char* description, const char* format) {
    auto p = std::make_unique<Parameter>(name);
    p->caption = description;
    p->format = format;
    Append(p.release());
}
