#include "config/PageKindTexts.h"

#include "config/FindShown.h"
#include "config/ModificationTraits.h"
#include "config/OutputElementMasks.h"
#include "config/PageKinds.h"
#include "params/ParameterTable.h"

#include <cstdlib>

namespace {

// How the "%d" of a text is filled.
enum class Number {
    None,
    Input,      // N = kind + m * p
    SensorPin,  // 4 in modification 6, else 2
    Regulator,  // S = k + (kind - 25) / 2 + 1
    Autotuning, // S = k + kind - 40
    Element,    // E
    Inspector,  // S = k + kind - 57
    Lba,        // S = k + kind - 65
};

// Bit m - 1 set: the row is for modification m; 0: for every one.
constexpr unsigned Mods(std::initializer_list<int> list) {
    unsigned mask = 0;
    for (int m : list)
        mask |= 1u << (m - 1);
    return mask;
}

struct KindTextRow {
    int first, last; // kinds, inclusive
    unsigned modifications;
    Number number;
    const char* caption;
    const char* promptA;
    const char* promptB;
};

// The first row whose kinds and modifications match wins, so the rows for
// some modifications stand before the row for all the others.
constexpr KindTextRow kRows[] = {
    {1, 8, 0, Number::Input, "Задание параметров входа %d",
     "Задайте тип датчика, подключенного ко входу №%d:", "Задайте параметры датчика:"},
    {9, 16, 0, Number::SensorPin, "Задание параметров датчика положения",
     "Задайте тип датчика положения задвижки:",
     "Датчик положения задвижки должен быть токового или резистивного типа (до 2-х КОм). Его "
     "подключение осуществляется ко Входу №%d прибора. Не забудьте после окончания монтажных "
     "работ провести юстировку датчика положения задвижки. Юстировку датчика положения можно "
     "провести через меню конфигуратора или с передней панели прибора. Подробнее о юстировке "
     "датчика положения смотрите в руководстве по эксплуатации на прибор."},
    {17, 24, 0, Number::None, "Задание параметров Вычислителя",
     "Задайте тип Вычислителя:", "Задайте параметры Вычислителя:"},
    // Regulator-type kinds are the odd ones of 25..39, setpoints the even ones.
    {25, 39, Mods({3}), Number::Regulator, "Задание типа и пар-ров Регулятора в канале №%d",
     "Задайте тип Регулятора в канале:", "Задайте параметры регулятора:"},
    {25, 39, Mods({5}), Number::Regulator, "Задание типа и параметров регулятора %d",
     "Задайте тип регулятора, регулирующего величину, измеренную Входом или пришедшую с "
     "Вычислителя в канале",
     "Задайте параметры регулятора:"},
    {25, 39, 0, Number::Regulator, "Задание типа и параметров регулятора %d",
     "Задайте тип регулятора №%d, регулирующего величину, измеренную входом №%d:",
     "Задайте параметры регулятора:"},
    {26, 40, Mods({3, 6}), Number::Regulator, "Задание уставки Регулятора в канале №%d", "",
     "Задайте параметры уставки для регулятора:"},
    {26, 40, 0, Number::Regulator, "Задание уставки для регулятора %d", "",
     "Задайте параметры уставки для регулятора:"},
    {41, 48, Mods({3}), Number::Autotuning, "Автонастройка Регулятора", "",
     "Задайте параметры автоматической настройки ПИД регулятора в канале №%d:"},
    {41, 48, 0, Number::Autotuning, "Автонастройка Регулятора %d", "",
     "Задайте параметры автоматической настройки ПИД регулятора №%d:"},
    {49, 49, 0, Number::None, "Параметры подключения Выходных Элементов", "",
     "Задайте параметры подключения выходных элементов к каналам"},
    {50, 57, 0, Number::Element, "Задание периода ШИМ ВЭ %d", "",
     "Задайте параметры ШИМ для Выходного Элемента в канале №%d:"},
    {58, 65, 0, Number::Inspector, "Задание параметров Инспектора %d", "",
     "Задайте параметры инспектора №%d:"},
    {66, 73, 0, Number::Lba, "Задание параметров LBA-аварии %d", "",
     "Задайте параметры срабатывания аварийной сигнализации  при разрыве контура "
     "регулирования:"},
    {74, 81, 0, Number::None, "Задание параметров Блока Управления Задвижкой", "",
     "Задайте параметры управления задвижкой:"},
};

bool Matches(const KindTextRow& row, int kind, int modification) {
    if (kind < row.first || kind > row.last)
        return false;
    // Within 25..40 a row covers every other kind from its first one.
    if (row.first >= 25 && row.last <= 40 && (kind - row.first) % 2 != 0)
        return false;
    return row.modifications == 0 ||
           (modification >= 1 && (row.modifications & (1u << (modification - 1))) != 0);
}

std::string NumberText(Number number, int kind, int modification, int position,
                       const std::string& element) {
    const int k = ChannelIndexOf(modification, position);
    switch (number) {
    case Number::None:
        return "";
    case Number::Input:
        return std::to_string(kind + InputsPerStep(modification) * position);
    case Number::SensorPin:
        return std::to_string(TraitsOf(modification).positionSensorInput);
    case Number::Regulator:
        return std::to_string(k + (kind - 25) / 2 + 1);
    case Number::Autotuning:
        return std::to_string(k + kind - 40);
    case Number::Element:
        return element;
    case Number::Inspector:
        return std::to_string(k + kind - 57);
    case Number::Lba:
        return std::to_string(k + kind - 65);
    }
    return "";
}

std::string Filled(const char* text, const std::string& number) {
    std::string out = text;
    for (std::size_t at = out.find("%d"); at != std::string::npos;
         at = out.find("%d", at + number.size()))
        out.replace(at, 2, number);
    return out;
}

// The text after the first "№", as the element names carry the number.
std::string AfterNumberSign(const std::string& name) {
    const std::string sign = "№";
    const std::size_t at = name.find(sign);
    return at == std::string::npos ? std::string() : name.substr(at + sign.size());
}

} // namespace

KindTexts TextsOfKind(int kind, int modification, int position, const std::string& element) {
    for (const KindTextRow& row : kRows) {
        if (!Matches(row, kind, modification))
            continue;
        const std::string n = NumberText(row.number, kind, modification, position, element);
        return {Filled(row.caption, n), Filled(row.promptA, n), Filled(row.promptB, n)};
    }
    return {};
}

std::string PwmElementText(int kind, int modification, int position, const ParameterTable& table,
                           const OutputElementMasks& masks) {
    switch (TraitsOf(modification).pwmElement) {
    case PwmElement::OfLink: {
        const Parameter* link = FindShown(table, "OP", 2 * (kind - kFirstPwmKind));
        return link ? AfterNumberSign(link->value) : std::string();
    }
    case PwmElement::Assigned: {
        const OutputWhich which = kind == kFirstPwmKind ? OutputWhich::First : OutputWhich::Second;
        return AfterNumberSign(masks.GetAssignedElementName(position, which, modification).name);
    }
    case PwmElement::OfChannel:
        break;
    }
    return std::to_string(ChannelIndexOf(modification, position) + kind - 49);
}

int PwmElementNumber(const std::string& element) {
    return std::atoi(element.c_str());
}
