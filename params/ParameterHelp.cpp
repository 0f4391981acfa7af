#include "params/ParameterHelp.h"

#include "util/TextCase.h"
#include "params/NumberFormats.h"
#include "params/TooltipFile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// Shown under the page's own "КОММЕНТАРИЙ:" heading, so they do not repeat it.
struct BuiltInComment {
    const char* name;
    int firstInspector; // indexes from here below firstOther belong to the inspectors
    int firstOther;
    const char* inspector;
    const char* other;
};

const BuiltInComment kBuiltIn[] = {
    {"del", INT_MIN, 8, "Параметр блокирует переключение состояния Инспектора на заданное время.",
     "Параметр блокирует переключение состояния выхода On/Off-Регулятора на заданное время. "
     "Состояния выхода Регулятора: «включён «Холодильник»», «включён «Нагреватель»», "
     "««Холодильник» и «Нагреватель» выключены»."},
    {"hys.c", 0, 8, "Служебный параметр. Для корректной работы должен быть равен 0.",
     "Определяет гистерезис двухпозиционного регулятора (компаратора). Задается в единицах "
     "регулируемой величины. Значение параметра делится пополам и откладывается в обе стороны от "
     "уставки."},
    {"hold", 0, 8,
     "Служебный параметр. Задаёт минимальное время нахождения Инспектора в состоянии «Авария» или "
     "«Не авария». Для корректной работы должен быть равен 0.",
     "Параметр задаёт минимальное время удержания состояния выхода Регулятора, то есть минимальное "
     "время, втечении которого Регулятор будет находиться в любом из состояний «Включён "
     "«Холодильник»», включён «Нагреватель»», ««Холодильник» и «Нагреватель» выключены» "
     "Используется для ИМ, частое переключение которых недопустимо."},
};

std::string BuiltIn(const Parameter& p) {
    for (const BuiltInComment& c : kBuiltIn) {
        if (!EqualsNoCase(p.name, c.name))
            continue;
        const bool inspector = p.index >= c.firstInspector && p.index < c.firstOther;
        return inspector ? c.inspector : c.other;
    }
    return {};
}

std::string Printed(const char* format, double low, double high) {
    char text[256];
    std::snprintf(text, sizeof text, format, low, high);
    return text;
}

std::string ClockRange(double low, double high) {
    // A damaged limit gets no range rather than a cast out of range.
    const auto printable = [](double v) { return std::isfinite(v) && v <= kMaxLimitMagnitude; };
    if (!printable(low) || !printable(high))
        return {};
    // Whole seconds shown as total minutes and seconds; nothing below zero.
    const auto lo = static_cast<unsigned long long>(std::max(low, 0.0));
    const auto hi = static_cast<unsigned long long>(std::max(high, 0.0));
    char text[256];
    std::snprintf(text, sizeof text, "Значение должно быть от %02llu:%02llu до %02llu:%02llu.",
                  lo / 60, lo % 60, hi / 60, hi % 60);
    return text;
}

std::string Range(const Parameter& p, double upper) {
    if (p.lower == p.upper)
        return {};
    if (EqualsNoCase(p.format, kStoredDotFormat))
        return Printed("Значение должно быть вещественного типа,\nот %.3f до %.3f.", p.lower,
                       upper);
    if (EqualsNoCase(p.format, kDecDotFormat))
        return Printed("Значение должно быть целого типа,\nот %.0f до %.0f.", p.lower, upper);
    if (EqualsNoCase(p.format, kClockFormat))
        return ClockRange(p.lower, upper);
    return {};
}

} // namespace

ParameterHelp GetParameterHelp(const Parameter& parameter, int addressBits,
                               const std::string& tooltipPath) {
    ParameterHelp help;
    help.comment = BuiltIn(parameter);
    if (help.comment.empty() && TooltipFile::Lookup(tooltipPath, parameter.name, help.comment) == 0)
        std::replace(help.comment.begin(), help.comment.end(), '_', ' ');
    help.title = parameter.DisplayName() + " (\"" + parameter.name + "\")";
    const double upper =
        EqualsNoCase(parameter.name, "Addr") ? std::ldexp(1.0, addressBits) - 1 : parameter.upper;
    help.range = Range(parameter, upper);
    return help;
}
