#include "tools/BaseSourceParser.h"
#include "tools/BaseSourceWriter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Parsed {
    int result = -1;
    std::vector<ParameterRecord> records;
    std::vector<std::string> errors;
};

Parsed Parse(const std::string& text) {
    std::istringstream in(text);
    Parsed parsed;
    parsed.result = BaseSourceParser().Parse("src.txt", in, parsed.records, parsed.errors);
    return parsed;
}

const char* const kSource = R"(# comment line
@list ONOFF = Выключен:Включен   # inline comment
@list MODE = @ONOFF:<hide>(2,3)Авто
n.Ch | - | Число каналов | DEC_dot | 0 | 1 | 8 | 1 | 1
in-t | 0..2 | Вход {i+1} | @MODE | 0 | 0 | 0 | Выключен | ?1 | addr-by-index attr=2 attr1 changed ro
rel.a | 0..4/4 | Выход {i/2+1}.{i%2+1} | STORED_DOT | 2 | -1.5 | 1e3 | 0.5 |  |
)";

} // namespace

TEST(BaseSourceParser, ExpandsListsRangesAndCaptions) {
    const Parsed p = Parse(kSource);
    ASSERT_EQ(p.result, 0) << (p.errors.empty() ? "" : p.errors[0]);
    ASSERT_EQ(p.records.size(), 6u);
    EXPECT_EQ(p.records[0].index, -1);
    EXPECT_EQ(p.records[0].upper, 8.0f);
    const ParameterRecord& in = p.records[2];
    EXPECT_EQ(in.caption, "Вход 2");
    EXPECT_EQ(in.format, "Выключен:Включен:<hide>(2,3)Авто");
    EXPECT_EQ(in.defaultValue, "?1");
    EXPECT_TRUE(in.addressByIndex && in.changed && in.attributeFlag1 && !in.attributeFlag2);
    EXPECT_EQ(in.attributeStep, 2);
    EXPECT_EQ(in.flag270, 1);
    EXPECT_EQ(p.records[4].index, 0);
    EXPECT_EQ(p.records[5].index, 4);
    EXPECT_EQ(p.records[5].caption, "Выход 3.1");
    EXPECT_EQ(p.records[5].lower, -1.5f);
    EXPECT_EQ(p.records[5].decimals, 2);
}

TEST(BaseSourceParser, ErrorsNameFileLineAndFault) {
    struct Case {
        const char* line;
        const char* fault;
    };
    const std::string longCaption(256, 'x');
    const std::string tooLong = "a | 0 | " + longCaption + " | DEC_dot | 0 | 0 | 0 | 0 | 0";
    const Case cases[] = {
        {"abcdefghi | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0", "поле \"имя\" длиннее 8 байт"},
        {tooLong.c_str(), "поле \"заголовок\" длиннее 255 байт"},
        {"a | 3..1 | c | DEC_dot | 0 | 0 | 0 | 0 | 0", "неверный диапазон индексов \"3..1\""},
        {"a | 0 | c | @NOPE | 0 | 0 | 0 | 0 | 0", "неизвестный список @NOPE"},
        {"a | 0 | c | DEC_dot | 0 | 0 | 0", "ожидается 10 столбцов"},
        {"a | 0 | c | DEC_dot | x | 0 | 0 | 0 | 0", "не целое число"},
        {"a | 0 | c | DEC_dot | 0 | 0 | 1,5 | 0 | 0", "не числа"},
        {"a | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0 | fast", "неизвестный параметр \"fast\""},
        {"a | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0 | attr2", "attr1 и attr2"},
        {"a | 0 | c日 | DEC_dot | 0 | 0 | 0 | 0 | 0", "вне кодовой страницы 1251"},
        {"a | - | К{i} | DEC_dot | 0 | 0 | 0 | 0 | 0", "у параметра без индексов"},
        {"@list = a:b", "неверное имя списка"},
        {"a | 0 | c \xC3 | DEC_dot | 0 | 0 | 0 | 0 | 0", "UTF-8"},
    };
    for (const Case& c : cases) {
        const Parsed p = Parse("# first\n" + std::string(c.line) + "\n");
        EXPECT_EQ(p.result, 1) << c.line;
        ASSERT_EQ(p.errors.size(), 1u) << c.line;
        EXPECT_EQ(p.errors[0].rfind("src.txt:2: ", 0), 0u) << p.errors[0];
        EXPECT_NE(p.errors[0].find(c.fault), std::string::npos) << p.errors[0];
    }
}

TEST(BaseSourceParser, DuplicateKeysAndListsAreReportedEachTime) {
    const Parsed p = Parse("x | - | c | DEC_dot | 0 | 0 | 0 | 0 | 0\n"
                           "X | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0\n"
                           "@list L = a\n@list L = b\n"
                           "y | 1,1 | c | DEC_dot | 0 | 0 | 0 | 0 | 0\n");
    ASSERT_EQ(p.errors.size(), 3u);
    EXPECT_EQ(p.errors[0], "src.txt:2: параметр x:0 уже описан");
    EXPECT_EQ(p.errors[1], "src.txt:4: список @L уже определён");
    EXPECT_EQ(p.errors[2], "src.txt:5: параметр y:1 уже описан");
}

TEST(BaseSourceWriter, WrittenSourceCompilesBackIntoTheSameRecords) {
    const Parsed first = Parse(kSource);
    ASSERT_EQ(first.result, 0);
    std::ostringstream out;
    std::vector<std::string> losses;
    EXPECT_EQ(BaseSourceWriter::Write(first.records, out, losses), 0);
    const Parsed second = Parse(out.str());
    ASSERT_EQ(second.result, 0) << out.str();
    EXPECT_EQ(second.records, first.records);
}

TEST(BaseSourceWriter, FieldsTheSourceCannotCarryAreReported) {
    const Parsed parsed = Parse(kSource);
    ASSERT_EQ(parsed.result, 0);
    std::vector<ParameterRecord> records(parsed.records.begin(), parsed.records.begin() + 1);
    records[0].message = "текст";
    records[0].caption = "a | b";
    records[0].flag271 = 1;
    std::ostringstream out;
    std::vector<std::string> losses;
    EXPECT_EQ(BaseSourceWriter::Write(records, out, losses), 1);
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(losses[0], "n.Ch:-1: заголовок, флаги 270..275, сообщение");
}
