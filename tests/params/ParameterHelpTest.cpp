#include "params/ParameterHelp.h"

#include "util/CodePage1251.h"
#include "params/TooltipFile.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Parameter Make(const std::string& name, int index, const std::string& format = "DEC_dot",
               double lower = 0, double upper = 0) {
    Parameter p(name);
    p.index = index;
    p.format = format;
    p.lower = lower;
    p.upper = upper;
    p.caption = "Подпись";
    return p;
}

} // namespace

TEST(ParameterHelp, BuiltInCommentsByIndex) {
    struct Case {
        const char* name;
        int index;
        const char* begins;
    };
    const Case cases[] = {
        {"del", 3, "Параметр блокирует переключение состояния Инспектора"},
        {"DEL", 9, "Параметр блокирует переключение состояния выхода On/Off"},
        {"hys.c", 7, "Служебный параметр. Для корректной"},
        {"hys.c", 8, "Определяет гистерезис"},
        {"hold", 0, "Служебный параметр. Задаёт"},
        {"hold", 12, "Параметр задаёт минимальное время удержания"},
    };
    for (const Case& c : cases) {
        const ParameterHelp help = GetParameterHelp(Make(c.name, c.index), 8, "/nonexistent");
        EXPECT_EQ(help.comment.rfind(c.begins, 0), 0u)
            << c.name << ":" << c.index << " " << help.comment;
    }
}

TEST(ParameterHelp, CommentFromTooltipFileAndTitle) {
    TempDir dir;
    WriteBytes(dir.File("tooltip.dat"),
               TooltipFile::Invert(CodePage1251::FromUtf8("abc Some_text\\nдалее<<")));
    Parameter p = Make("ABC", 0);
    p.displayName = "Своё имя";
    ParameterHelp help = GetParameterHelp(p, 8, dir.File("tooltip.dat"));
    EXPECT_EQ(help.comment, "Some text\\nдалее");
    EXPECT_EQ(help.title, "Своё имя (\"ABC\")");
    EXPECT_EQ(GetParameterHelp(Make("zzz", 0), 8, dir.File("tooltip.dat")).comment, "");
    EXPECT_EQ(GetParameterHelp(Make("abc", 0), 8, dir.File("none.dat")).title, "Подпись (\"abc\")");
}

TEST(ParameterHelp, RangeSentences) {
    struct Case {
        Parameter parameter;
        int addressBits;
        const char* range;
    };
    const Case cases[] = {
        {Make("x", 0, "STORED_DOT", -1.5, 100), 8,
         "Значение должно быть вещественного типа,\nот -1.500 до 100.000."},
        {Make("x", 0, "dec_dot", 0, 99), 8, "Значение должно быть целого типа,\nот 0 до 99."},
        {Make("t", 0, "CLK_frm", 0, 5999), 8, "Значение должно быть от 00:00 до 99:59."},
        {Make("Addr", 0, "DEC_dot", 1, 247), 11,
         "Значение должно быть целого типа,\nот 1 до 2047."},
        {Make("addr", 0, "DEC_dot", 1, 247), 8, "Значение должно быть целого типа,\nот 1 до 255."},
        {Make("Addr", 0, "DEC_dot", 5, 5), 11, ""},
        {Make("x", 0, "a:b", 0, 1), 8, ""},
        // Limits of a damaged base give no range instead of a cast out of range.
        {Make("t", 0, "CLK_frm", 0, 1.9e19), 8, ""},
        {Make("t", 0, "CLK_frm", std::nan(""), 60), 8, ""},
        {Make("t", 0, "CLK_frm", -1e30, std::numeric_limits<double>::infinity()), 8, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetParameterHelp(c.parameter, c.addressBits, "/nonexistent").range, c.range)
            << c.parameter.name << " " << c.parameter.format;
}
