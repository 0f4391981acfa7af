#include "link/DeviceErrorTexts.h"

#include <gtest/gtest.h>

namespace {

struct CodeCase {
    std::uint8_t code;
    const char* text;
};

TEST(NetworkErrorText, CodesAndSignedFallback) {
    const CodeCase cases[] = {
        {0x00, "Безошибочный прием кадра"},
        {0x28, "Не найден дескриптор"},
        {0x37, "Данный код не используется"},
        {0x29, "Не найдена сетевая функция, хотя дескриптор найден!!!\t\t\t\t\t\t\t  В нормальном "
               "приборе эта ошибка встречаться НЕ ДОЛЖНА!!!"},
        {0x35, "Индекс параметра превышает ограничитель индекса"},
        {0x36, "Индекс параметра превышает ограничитель индекса"},
        {0x4B, "Ошибка выполнения функции PrevWriteActions()"},
        {0x01, "Не найдено значение ошибки. (Код 1)"},
        {0x40, "Не найдено значение ошибки. (Код 64)"},
        {0x4C, "Не найдено значение ошибки. (Код 76)"},
        {0x80, "Не найдено значение ошибки. (Код -128)"},
        {0xFF, "Не найдено значение ошибки. (Код -1)"},
    };
    for (const CodeCase& c : cases) {
        std::string text;
        EXPECT_EQ(network_error_text(c.code, 1, text), 1);
        EXPECT_EQ(text, c.text) << int(c.code);
    }
}

TEST(NetworkErrorText, NoDataByteLeavesTheTextAlone) {
    std::string text = "before";
    EXPECT_EQ(network_error_text(0x28, 0, text), 0);
    EXPECT_EQ(text, "before");
}

TEST(DeviceFaultText, CodesRegistersAndFallback) {
    const CodeCase cases[] = {
        {1, "Нештатный вход в программу контроля"},
        {14, "Нештатный вход в программу контроля"},
        {2, "Сбой бегущей единицы на порту С"},
        {15, "Повторная проверка обнаружила неисправимый код (Check_Segment)"},
        {32, "Ошибки регистров ввода/вывода. Номеру сбившегося регистра :  32"},
        {40, "Ошибки регистров ввода/вывода. Номеру сбившегося регистра :  40"},
        {94, "Ошибки регистров ввода/вывода. Номеру сбившегося регистра :  94"},
        {95, "Сбой регистра SREG"},
        {31, "Не найдено значение ошибки "},
        {96, "Не найдено значение ошибки "},
        {0xFF, "Не найдено значение ошибки "},
        {0xE0, "Не найдено значение ошибки "}, // -32, not register 224
    };
    for (const CodeCase& c : cases) {
        std::string text;
        EXPECT_EQ(device_fault_text(c.code, 3, text), 1);
        EXPECT_EQ(text, c.text) << int(c.code);
    }
    std::string text = "before";
    EXPECT_EQ(device_fault_text(7, 0, text), 0);
    EXPECT_EQ(text, "before");
}

TEST(StatusText, MeasurementAndStateGroupsDiffer) {
    const struct {
        std::uint8_t code, sub;
        bool setpoint;
        const char* measurement;
        const char* state;
    } cases[] = {
        {0xF0, 0, false, "Вычисленное значение заведомо неверно.",
         "Вычисленное значение заведомо неверно."},
        {0xF4, 0, false, "Не могу преобразовать коэффициенты.",
         "Не могу преобразовать коэффициенты ."},
        {0xF5, 0, false, "Неверное количество входов", "Не могу преобразовать коэффициенты ."},
        {0xF5, 11, false, "На входе вычислителя корня отрицательное число",
         "Не могу преобразовать коэффициенты ."},
        {0xF5, 12, false, "", "Не могу преобразовать коэффициенты ."},
        {0xF6, 0, false, "Данные не готовы.", "Не могу преобразовать коэффициенты ."},
        {0xFA, 0, false, "Вычисленное значение слишком велико.",
         "Вычисленное значение слишком велико."},
        {0xFA, 0, true, "У регулятора отсутствует уставка или регулятор не работает.",
         "Вычисленное значение слишком велико."},
        {0xFB, 0, true, "У регулятора уставка типа “Мощность”.",
         "Вычисленное значение слишком мало."},
        {0xFF, 0, false, "Некорректный юстировочный коэффициент.",
         "Некорректный юстировочный коэффициент."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(measurement_status_text(c.code, c.sub, c.setpoint), c.measurement) << int(c.code);
        EXPECT_EQ(state_status_text(c.code), c.state) << int(c.code);
    }
}

} // namespace
