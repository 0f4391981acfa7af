#include "tools/BaseTool.h"

#include "util/CodePage1251.h"
#include "params/ParameterBaseReader.h"
#include "params/TooltipFile.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

int RunTool(const std::vector<std::string>& args, std::string* errors = nullptr) {
    std::ostringstream err;
    const int result = BaseTool::Run(args, err);
    if (errors)
        *errors = err.str();
    return result;
}

// The decompressed records of a base file.
std::string Records(const std::string& path) {
    ParameterBaseReader reader(path);
    std::string all;
    ParameterBaseReader::RecordBytes bytes;
    for (std::uint32_t i = 0; i < reader.RecordCount() && reader.ReadRecord(bytes); ++i)
        all.append(bytes.begin(), bytes.end());
    return all;
}

void RoundTrip(const std::string& source, const TempDir& dir) {
    const std::string zip1 = dir.File("1.zip"), text = dir.File("2.txt"), zip2 = dir.File("2.zip");
    std::string errors;
    ASSERT_EQ(RunTool({"compile", source, zip1}, &errors), 0) << errors;
    ASSERT_EQ(RunTool({"dump", zip1, text}, &errors), 0) << errors;
    ASSERT_EQ(RunTool({"compile", text, zip2}, &errors), 0) << errors;
    const std::string first = Records(zip1);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first.size() % kParameterRecordSize, 0u);
    EXPECT_EQ(Records(zip2), first);
    // A real gzip header that names the file.
    EXPECT_EQ(ReadBytes(zip1).substr(0, 4), std::string("\x1F\x8B\x08\x08", 4));
}

} // namespace

TEST(BaseTool, SourceZipSourceZipGivesIdenticalRecords) {
    TempDir dir;
    WriteBytes(dir.File("src.txt"), "@list L = нет:<hide>(4)да\n"
                                    "a | 0..3 | Канал {i+1} | @L | 0 | 0 | 1 | нет | ?0 | ro\n"
                                    "b | - | Б | STORED_DOT | 3 | -0.1 | 99.9 | 1.5 | 2.5\n");
    RoundTrip(dir.File("src.txt"), dir);
}

TEST(BaseTool, ShippedSourceRoundTrips) {
    const std::string source = std::string(ZRK_DATA_SOURCE_DIR) + "/parameters.txt";
    if (ReadBytes(source).empty())
        GTEST_SKIP() << "no " << source;
    TempDir dir;
    RoundTrip(source, dir);
}

TEST(BaseTool, BadInputFailsAndWritesNothing) {
    TempDir dir;
    WriteBytes(dir.File("bad.txt"), "toolongname | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0\n");
    WriteBytes(dir.File("bad.rtf"), "{\\rtf1\\ansi Привет}");
    WriteBytes(dir.File("bad-help.txt"), "[a]\nтекст_с подчёркиванием\n");
    struct Case {
        std::vector<std::string> args;
        int result;
        const char* message;
    };
    const Case cases[] = {
        {{"compile", dir.File("bad.txt"), dir.File("out")}, 1, "bad.txt:1: поле \"имя\""},
        {{"compile", dir.File("none.txt"), dir.File("out")}, 1, "не удалось открыть файл"},
        {{"dump", dir.File("none.zip"), dir.File("out")}, 1, "не удалось открыть файл"},
        {{"rtf", dir.File("bad.rtf"), dir.File("out")}, 1, "\\ansicpg1251"},
        {{"tooltip", dir.File("bad-help.txt"), dir.File("out")}, 1, "bad-help.txt:2: символы '_'"},
        {{"compile", dir.File("bad.txt")}, 2, "использование"},
        {{"frobnicate", "a", "b"}, 2, "использование"},
    };
    for (const Case& c : cases) {
        std::string errors;
        EXPECT_EQ(RunTool(c.args, &errors), c.result) << c.args[0];
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
        EXPECT_TRUE(ReadBytes(dir.File("out")).empty()) << c.args[0];
    }
    WriteBytes(dir.File("ok.txt"), "a | 0 | c | DEC_dot | 0 | 0 | 0 | 0 | 0\n");
    std::string errors;
    EXPECT_EQ(RunTool({"compile", dir.File("ok.txt"), dir.File("missing/dir/out.zip")}, &errors),
              1);
    EXPECT_NE(errors.find("out.zip"), std::string::npos) << errors;
}

TEST(BaseTool, DumpOfDamagedBaseWritesWhatItReadAndFails) {
    TempDir dir;
    std::string source;
    for (int i = 0; i < 20; ++i)
        source += "p" + std::to_string(i) + " | - | Параметр | DEC_dot | 0 | 0 | 0 | 0 | 0\n";
    WriteBytes(dir.File("src.txt"), source);
    ASSERT_EQ(RunTool({"compile", dir.File("src.txt"), dir.File("base.zip")}), 0);
    const std::string whole = ReadBytes(dir.File("base.zip"));
    WriteBytes(dir.File("cut.zip"),
               whole.substr(0, whole.size() / 2) + whole.substr(whole.size() - 4));
    std::string errors;
    EXPECT_EQ(RunTool({"dump", dir.File("cut.zip"), dir.File("cut.txt")}, &errors), 1);
    EXPECT_NE(errors.find("данные повреждены"), std::string::npos) << errors;
    EXPECT_NE(ReadBytes(dir.File("cut.txt")).find("p0 | - | Параметр"), std::string::npos);
}

TEST(BaseTool, HelpTextsAreFoundByTheReader) {
    TempDir dir;
    WriteBytes(dir.File("help.txt"), "# comment\n[abc]\nПервая строка\n\nтретья\n\n[n.Ch]\n\tЧисло "
                                     "каналов\n");
    ASSERT_EQ(RunTool({"tooltip", dir.File("help.txt"), dir.File("tooltip.dat")}), 0);
    std::string text;
    ASSERT_EQ(TooltipFile::Lookup(dir.File("tooltip.dat"), "ABC", text), 0);
    EXPECT_EQ(text, "Первая_строка\\n\\nтретья");
    ASSERT_EQ(TooltipFile::Lookup(dir.File("tooltip.dat"), "n.ch", text), 0);
    EXPECT_EQ(text, "Число_каналов");
    // Stored inverted: no plain letters in the file.
    EXPECT_EQ(ReadBytes(dir.File("tooltip.dat")).find("abc"), std::string::npos);
}
