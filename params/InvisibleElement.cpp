#include "params/InvisibleElement.h"

int InvisibleElement::SetValueByName(std::string_view name, const std::string& value) {
    if (name == "Название") {
        caption = value;
        return kCaptionSet;
    }
    return ObjectWithParameters::SetValueByName(name, value);
}

ElementBounds InvisibleElement::GetBounds() const {
    return {};
}

int InvisibleElement::GetElementKind() const {
    return 0;
}

int InvisibleElement::GetElementVariant() const {
    return 0;
}

std::string InvisibleElement::GetTypeName() const {
    return "Невизуальный элемент";
}

int InvisibleElement::GetTypeCode() const {
    return -999;
}

std::string InvisibleElement::GetGroupName() const {
    return "Не относящиеся ко схеме";
}

std::string InvisibleElement::GetTitle() const {
    const std::string type = GetTypeName();
    return (caption.empty() ? type : caption) + " (" + type + ")";
}

std::string InvisibleElement::GetDescription() const {
    static constexpr struct {
        const char* label;
        const char* name;
    } kLines[] = {
        {"Скорость: ", "bPS"},         {"Длина слова данных: ", "LEn"}, {"Четность: ", "PrtY"},
        {"Кол-во стоп-бит: ", "Sbit"}, {"Длина адреса: ", "A.Len"},     {"Адрес: ", "Addr"},
    };
    std::string text;
    for (const auto& line : kLines)
        text += line.label + GetValueByName(line.name) + "\r\n";
    return text;
}
