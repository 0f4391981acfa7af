#include "tools/RtfConverter.h"
#include "tools/TooltipSource.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(RtfConverter, CyrillicBecomesEscapesOthersUnicode) {
    struct Case {
        const char* utf8;
        const char* rtf;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi\\ansicpg1251 \\b Привет\\b0}",
         "{\\rtf1\\ansi\\ansicpg1251 \\b \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\b0}"},
        {"{\\rtf1\\ansicpg1251 €№}", "{\\rtf1\\ansicpg1251 \\'88\\'b9}"},
        {"{\\rtf1\\ansicpg1251 ½日}", "{\\rtf1\\ansicpg1251 \\u189?\\u26085?}"},
        {"{\\rtf1\\ansicpg1251 \xF0\x9F\x98\x80}", "{\\rtf1\\ansicpg1251 \\u-10179?\\u-8704?}"},
    };
    for (const Case& c : cases) {
        std::string rtf, error;
        EXPECT_EQ(RtfConverter::Convert(c.utf8, rtf, error), 0) << error;
        EXPECT_EQ(rtf, c.rtf);
    }
    std::string rtf, error;
    EXPECT_EQ(RtfConverter::Convert("{\\rtf1\\ansicpg1251\n\nbad \xC3(", rtf, error), 1);
    EXPECT_EQ(error, "строка 3: текст не в кодировке UTF-8");
}

TEST(TooltipSource, ErrorsNameTheLine) {
    struct Case {
        const char* source;
        const char* error;
    };
    const Case cases[] = {
        {"текст\n", "help.txt:1: текст вне блока [имя]"},
        {"[a]\nx\n[A]\ny\n", "help.txt:3: текст для \"A\" уже есть"},
        {"[a b]\nx\n", "help.txt:1: неверный заголовок блока \"[a b]\", ожидается [имя]"},
        {"[a]\nx < y\n", "help.txt:2: символы '_' и '<' в тексте недопустимы"},
        {"[a]\n\n[b]\nx\n", "help.txt:1: пустой текст"},
        {"[a]\n日\n", "help.txt:1: символ вне кодовой страницы 1251"},
        {"[]\n", "help.txt:1: неверный заголовок блока \"[]\", ожидается [имя]"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.source);
        std::string content;
        std::vector<std::string> errors;
        EXPECT_EQ(TooltipSource().Compile("help.txt", in, content, errors), 1) << c.source;
        ASSERT_FALSE(errors.empty()) << c.source;
        EXPECT_EQ(errors[0], c.error);
    }
}
