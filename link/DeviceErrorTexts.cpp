#include "link/DeviceErrorTexts.h"

#include "link/NetworkErrors.h"

#include <array>
#include <cstdio>

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr CodeText kNetworkErrors[] = {
    {NetworkErrors::kNone, "Безошибочный прием кадра"},
    {NetworkErrors::kPointAbove3, "Задано положение точки, превышающее 3"},
    {NetworkErrors::kRomParameter, "Попытка модификации ROM-параметра"},
    {4, "Не целое число при записи индекса строки или времени"},
    {5, "Неверно задано положение точки (при фиксированной точке)"},
    {NetworkErrors::kOutOfLimits, "Значение мантиссы превышает ограничения дескриптора"},
    {7, "Несанкционированная попытка редактирования Атрибутов (попытка изменить атрибут "
        "пользователем, когда он не является хозяином параметра)"},
    {8, "У запрошенного параметра отсутствуют признаки"},
    {33, "Аппаратная ошибка кадрирования"},
    {34, "Ошибка в 8-ом бите посылки"},
    {35, "Ошибка в 9-ом бите посылки"},
    {36, "Ошибка приема стоп-байта (стоп пришел не вовремя)"},
    {37, "Ошибка переполнения буфера"},
    {38, "Принят недопустимый символ"},
    {NetworkErrors::kBadChecksum, "Неверная контрольная сумма кадра"},
    {NetworkErrors::kNoDescriptor, "Не найден дескриптор"},
    {41, "Не найдена сетевая функция, хотя дескриптор найден!!!\t\t\t\t\t\t\t  В нормальном "
         "приборе эта ошибка встречаться НЕ ДОЛЖНА!!!"},
    {NetworkErrors::kBadMantissa, "Мантисса двоично-десятичного параметра содержит ошибку"},
    {NetworkErrors::kDataSize, "Размер поля данных не соответствует ожидаемому"},
    {50, "Значение бита запроса не соответствует ожидаемому"},
    {51, "Редактирование параметра запрещено атрибутами доступа"},
    {52, "Недопустимо большой линейный индекс"},
    {NetworkErrors::kIndexBeyond, "Индекс параметра превышает ограничитель индекса"},
    {54, "Индекс параметра превышает ограничитель индекса"},
    {55, "Данный код не используется"},
    {56, "Запрещающий групповой атрибут находится на уровне 0 (в корне)"},
    {57, "Запрещающий групповой атрибут находится на уровне 1"},
    {58, "Запрещающий групповой атрибут находится на уровне 2"},
    {59, "Запрещающий групповой атрибут находится на уровне 3"},
    {60, "Запрещающий групповой атрибут находится на уровне 4"},
    {61, "Запрещающий групповой атрибут находится на уровне 5"},
    {62, "Запрещающий групповой атрибут находится на уровне 6"},
    {63, "Запрещающий групповой атрибут находится на уровне 7"},
    {NetworkErrors::kBusy, "выполняется другая задача (Сегмент COMMON занят)"},
    {66, "задача еще не запущена(Сегмент COMMON свободен)"},
    {67, "запрошенная задача уже выполняется"},
    {68, "Программе неизвестна запрошенная функция"},
    {69, "В программе стоит заглушка функции WhatCOMState()"},
    {70, "В программе стоит заглушка функции RunCOMTask()"},
    {NetworkErrors::kInvalidCombination,
     "Недопустимое сочетание значений параметров (Изменение параметра было запрещено "
     "функцией Valid)"},
    {NetworkErrors::kEepromRead, "Ошибка при чтении ЕЕПРОМ"},
    {NetworkErrors::kNodesNotAscending, "Нарушена упорядоченность узлов X по возрастанию"},
    {NetworkErrors::kXWithNodes, "Попытка записи X при ненулевом числе узлов графика"},
    {75, "Ошибка выполнения функции PrevWriteActions()"},
};

constexpr CodeText kDeviceFaults[] = {
    {1, "Нештатный вход в программу контроля"},
    {2, "Сбой бегущей единицы на порту С"},
    {3, "Сбой бегущей единицы на порту E"},
    {4, "сбой бегущей единицы на порту B"},
    {5, "переполнение одного из стеков (данных или адресов возврата)"},
    {6, "внешний сброс"},
    {7, "сброс по питанию"},
    {8, "Самопроизвольный watchdog"},
    {9, "Кто-то держит SDA линию магистрали в 0"},
    {10, "Ошибки при чтения/записи еепром"},
    {11, "ошибки при записи еепром"},
    {12, "Не хватает времени до перезагрузки очереди"},
    {13, "Ошибка зацикливания указателей pwmQueue"},
    {14, "Нештатный вход в программу контроля"},
    {15, "Повторная проверка обнаружила неисправимый код (Check_Segment)"},
    {95, "Сбой регистра SREG"},
};

constexpr const char* kRegisterFault =
    "Ошибки регистров ввода/вывода. Номеру сбившегося регистра : ";
constexpr int kFirstRegisterFault = 32;
constexpr int kLastRegisterFault = 94;

constexpr const char* kComputingFaults[] = {
    "Неверное количество входов",
    "Отключен вход вычислителя",
    "Отключен датчик, используемый вычислителем",
    "Несоответствуют датчик и вычислитель",
    "Отключен фильтр, используемый вычислителем",
    "Недопустимый формат данных фильтра RS485",
    "Мала температура сухого термометра (влажность)",
    "Велика температура сухого термометра",
    "Мала температура влажного термометра",
    "Велика температура влажного термометра",
    "Вычислитель отключен",
    "На входе вычислителя корня отрицательное число",
};

// Texts of status codes 240..255; 241..245 are decided by the callers.
constexpr std::array<const char*, 16> kStatusTexts = {
    "Вычисленное значение заведомо неверно.",
    "Не могу преобразовать коэффициенты.",
    "Не могу преобразовать коэффициенты.",
    "Не могу преобразовать коэффициенты.",
    "Не могу преобразовать коэффициенты.",
    "",
    "Данные не готовы.",
    "Датчик отключен.",
    "Велика температура холодного спая.",
    "Мала температура холодного спая.",
    "Вычисленное значение слишком велико.",
    "Вычисленное значение слишком мало.",
    "Короткое замыкание",
    "Обрыв датчика.",
    "Отсутствие связи с АЦП.",
    "Некорректный юстировочный коэффициент.",
};

constexpr int kFirstStatus = 240;
constexpr int kComputingFault = 245;

template <std::size_t N> const char* find_text(const CodeText (&table)[N], int code) {
    for (const CodeText& entry : table)
        if (entry.code == code)
            return entry.text;
    return nullptr;
}

// Codes travel as signed bytes: 0xFF is -1.
int signed_code(std::uint8_t code) {
    return static_cast<std::int8_t>(code);
}

std::string format_code(const char* format, int code) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, code);
    return buffer;
}

} // namespace

int network_error_text(std::uint8_t code, int count, std::string& text) {
    if (count <= 0)
        return 0;
    const int value = signed_code(code);
    const char* found = find_text(kNetworkErrors, value);
    text = found ? found : format_code("Не найдено значение ошибки. (Код %i)", value);
    return 1;
}

int device_fault_text(std::uint8_t code, int count, std::string& text) {
    if (count <= 0)
        return 0;
    const int value = signed_code(code);
    if (value >= kFirstRegisterFault && value <= kLastRegisterFault) {
        text = std::string(kRegisterFault) + format_code(" %d", value);
    } else {
        const char* found = find_text(kDeviceFaults, value);
        text = found ? found : "Не найдено значение ошибки ";
    }
    return 1;
}

std::string measurement_status_text(std::uint8_t code, std::uint8_t sub_code, bool setpoint) {
    if (code < kFirstStatus)
        return {};
    if (code == kComputingFault)
        return sub_code < std::size(kComputingFaults) ? kComputingFaults[sub_code] : "";
    if (setpoint && code == 250)
        return "У регулятора отсутствует уставка или регулятор не работает.";
    if (setpoint && code == 251)
        return "У регулятора уставка типа “Мощность”.";
    return kStatusTexts[code - kFirstStatus];
}

std::string state_status_text(std::uint8_t code) {
    if (code < kFirstStatus)
        return {};
    if (code >= 241 && code <= 246)
        return "Не могу преобразовать коэффициенты .";
    return kStatusTexts[code - kFirstStatus];
}
