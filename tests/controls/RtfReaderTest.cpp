#include "controls/RtfReader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string PlainText(const std::vector<RtfParagraph>& paragraphs) {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += '|';
        for (const RtfRun& run : paragraphs[i].runs)
            text += run.text;
    }
    return text;
}

std::string Text(std::string_view rtf) {
    return PlainText(RtfReader::Read(rtf));
}

} // namespace

TEST(RtfReader, TextOfGroupsAndEscapes) {
    struct Row {
        const char* rtf;
        const char* text;
    } rows[] = {
        {R"({\rtf1 Hello\par World})", "Hello|World"},
        {R"({\rtf1\ansi\ansicpg1251 \'cc\'ee\'e4\'e8\'f4\'e8\'ea\'e0\'f6\'e8\'ff})", "Модификация"},
        {"{\\rtf1 \xcf\xf0\xe8\xe2\xe5\xf2}", "Привет"},
        {R"({\rtf1 \'a8\'b8 \'b9\'96})", "Ёё №–"},
        {R"({\rtf1 a\u1046?b})", "aЖb"},
        {R"({\rtf1\uc2 a\u1046\'3f\'3fb})", "aЖb"},
        {R"({\rtf1\uc0 a\u-3913 b})", "a\xef\x82\xb7"
                                      "b"},
        {R"({\rtf1 {\fonttbl{\f0 Arial;}}{\*\generator Writer;}Text})", "Text"},
        {R"({\rtf1 {\colortbl;\red255\green0\blue0;}A{\stylesheet{Normal;}}B})", "AB"},
        {R"({\rtf1 x{\b bold}{\i{\ul deep}}y})", "xbolddeepy"},
        {R"({\rtf1 \{braces\}\\back})", "{braces}\\back"},
        {R"({\rtf1 a\tab b\~c})", "a\tb\xc2\xa0"
                                  "c"},
        {R"({\rtf1 one\par\par three\par})", "one||three"},
        {R"({\rtf1 line\
break})",
         "line|break"},
        {R"({\rtf1 \unknownword123 kept \xyz-5 too})", "kept too"},
        {"{\\rtf1 a\r\nb}", "ab"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Text(r.rtf), r.text) << r.rtf;
}

TEST(RtfReader, CharacterFormatsFollowGroupsAndZeroForms) {
    const auto paragraphs = RtfReader::Read(
        R"({\rtf1 n{\b b\b0 n\i i\i0\ul u\ulnone n}\ul u\ul0 n{\fs32 big}\plain\b b})");
    ASSERT_EQ(paragraphs.size(), 1u);
    std::string summary;
    for (const RtfRun& run : paragraphs[0].runs) {
        summary += run.text + ":";
        summary += run.format.bold ? "B" : "";
        summary += run.format.italic ? "I" : "";
        summary += run.format.underline ? "U" : "";
        summary += std::to_string(run.format.halfPoints) + " ";
    }
    EXPECT_EQ(summary, "n:24 b:B24 n:24 i:I24 u:U24 n:24 u:U24 n:24 big:32 b:B24 ");
}

TEST(RtfReader, ColoursComeFromTheTable) {
    const auto paragraphs = RtfReader::Read(
        R"({\rtf1{\colortbl;\red200\green0\blue0;\red0\green0\blue999;}a\cf1 r\cf2 b\cf7 x\cf0 d})");
    ASSERT_EQ(paragraphs.size(), 1u);
    const auto& runs = paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_FALSE(runs[0].format.colour);
    EXPECT_EQ(runs[1].format.colour, (RtfColour{200, 0, 0}));
    EXPECT_EQ(runs[2].format.colour, (RtfColour{0, 0, 255})); // clamped
    EXPECT_EQ(runs[3].text, "xd");                            // out of range: default
    EXPECT_FALSE(runs[3].format.colour);
}

TEST(RtfReader, MalformedInputKeepsWhatCanBeRead) {
    struct Row {
        const char* rtf;
        const char* text;
    } rows[] = {
        {"", ""},
        {"plain words", "plain words"},
        {R"({\rtf1 open {\b never closed)", "open never closed"},
        {R"(}}}{\rtf1 extra closing}}}})", "extra closing"},
        {R"({\rtf1 cut \'4)", "cut "},
        {R"({\rtf1 bad \'zzok})", "bad ok"},
        {R"({\rtf1 end\)", "end"},
        {R"({\rtf1 \fs99999999999999999999 big\u99999999999 x})", "big\xef\xbf\xbd"},
        {R"({\rtf1 \bin99999999999 hidden})", ""},
        {R"({\rtf1 \bin3 abcshown})", "shown"},
        {R"({\rtf1 \uc99999 a\u1046 skipped} after)", "aЖ after"},
        {"{\\rtf1 a\x01\x1f"
         "b\\'07c}",
         "abc"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Text(r.rtf), r.text) << r.rtf;
}

TEST(RtfReader, DeepNestingNeitherOverflowsNorLosesText) {
    const std::string deep =
        std::string(100000, '{') + "\\b inner" + std::string(100000, '}') + " outer";
    EXPECT_EQ(Text(deep), "inner outer");
    const std::string word = "{\\rtf1 \\" + std::string(100000, 'a') + " text}";
    EXPECT_EQ(Text(word), "text");
}

// Random bytes, RTF-ish fragments and every truncation of a real sample: the
// reader must end every time and never give an empty run.
TEST(RtfReader, FuzzedInputsEnd) {
    const std::string sample = R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0 Arial;}})"
                               R"({\colortbl;\red200\green0\blue0;}\f0\fs22 \b\'cc\'ee\b0 )"
                               R"(\cf1\u1046?\ul x\ulnone\par{\*\x y}\bin2 zz end})";
    for (std::size_t n = 0; n <= sample.size(); ++n)
        RtfReader::Read(sample.substr(0, n));
    const char pieces[] = "{}\\'*;0123456789-abuclfsrtpx \xcf\xff\r\n";
    std::mt19937 random(640);
    std::size_t total = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string input(random() % 200, ' ');
        for (char& c : input)
            c = round % 2 ? char(random()) : pieces[random() % (sizeof pieces - 1)];
        for (const RtfParagraph& p : RtfReader::Read(input))
            for (const RtfRun& run : p.runs) {
                ASSERT_FALSE(run.text.empty());
                total += run.text.size();
            }
    }
    EXPECT_GT(total, 0u);
}
