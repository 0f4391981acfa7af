#include "params/ParameterBaseLoader.h"

#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "params/ParameterRecord.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

ParameterRecord Record(const std::string& name, int index, const std::string& format = "DEC_dot",
                       const std::string& defaultValue = {}) {
    ParameterRecord r;
    r.name = name;
    r.index = index;
    r.caption = "Заголовок " + name;
    r.format = format;
    r.defaultValue = defaultValue;
    return r;
}

std::string Plain(const std::vector<ParameterRecord>& records) {
    std::string plain;
    for (const ParameterRecord& r : records) {
        std::string bytes(kParameterRecordSize, '\0');
        std::string error;
        EXPECT_EQ(r.Encode(reinterpret_cast<std::uint8_t*>(bytes.data()), error), 0) << error;
        plain += bytes;
    }
    return plain;
}

class ParameterBaseLoaderTest : public ::testing::Test {
protected:
    int Load(const std::vector<ParameterRecord>& records, const std::string& name = "base.zip") {
        WriteBytes(dir.File(name), Deflate(Plain(records), 31));
        return LoadParameterBase(table, name, dir.Dir());
    }
    // Every lookup here must hit: a miss would show a box.
    const Parameter& Find(const std::string& name, int index) {
        Parameter* p = table.FindParameter(name, index);
        EXPECT_NE(p, nullptr) << name << ":" << index;
        static const Parameter none;
        return p ? *p : none;
    }
    void TearDown() override { EXPECT_EQ(prompter.UnexpectedTexts(), ""); }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    TempDir dir;
    ParameterTable table;
};

} // namespace

TEST_F(ParameterBaseLoaderTest, DuplicatesAreSkippedAndDoNotCount) {
    ParameterRecord second = Record("a", 0);
    second.caption = "второй";
    EXPECT_EQ(Load({Record("a", -1), second, Record("B", 1)}), 0);
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(Find("A", 0).caption, "Заголовок a");
    EXPECT_FALSE(Find("a", 0).indexed);
    EXPECT_TRUE(Find("b", 1).indexed);
}

TEST_F(ParameterBaseLoaderTest, ChoiceListsAndDefaults) {
    struct Case {
        const char* format;
        const char* defaultField;
        const char* expectedFormat;
        std::vector<std::uint8_t> masks;
        const char* expectedDefault;
        bool check;
    };
    const Case cases[] = {
        {"off:<hide>on:<hide>(2,3)auto", "2", "off:on:auto", {0, 0x80, 0x06}, "auto", false},
        {"no:yes", "?1", "no:yes", {0, 0}, "yes", true},
        {"a_b:c", "0", "a b:c", {0, 0}, "a b", false},
        {"STORED_DOT", "12.5", "STORED_DOT", {0}, "12.5", false},
        {"DEC_dot", "3", "DEC_dot", {0}, "3", false},
        {"x:y", "?free_text", "x:y", {0, 0}, "free text", true},
    };
    std::vector<ParameterRecord> records;
    for (const Case& c : cases)
        records.push_back(Record("p", static_cast<int>(records.size()), c.format, c.defaultField));
    ASSERT_EQ(Load(records), 0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Parameter& p = Find("p", static_cast<int>(i));
        EXPECT_EQ(p.format, cases[i].expectedFormat) << i;
        EXPECT_EQ(p.choiceMasks, cases[i].masks) << i;
        EXPECT_EQ(p.defaultValue, cases[i].expectedDefault) << i;
        EXPECT_EQ(p.checkBeforeWrite, cases[i].check) << i;
    }
}

TEST_F(ParameterBaseLoaderTest, IndexAddressAndAttributeStep) {
    ParameterRecord byIndex = Record("adr", 4);
    byIndex.addressByIndex = true;
    byIndex.attributeStep = 2;
    byIndex.changed = true;
    ParameterRecord plainByIndex = Record("adr2", -1);
    plainByIndex.addressByIndex = true;
    ASSERT_EQ(Load({byIndex, plainByIndex}), 0);
    const Parameter& a = Find("adr", 4);
    EXPECT_TRUE(a.indexed);
    EXPECT_EQ(a.index, 4);
    EXPECT_EQ(a.addressOffset, 4);
    EXPECT_EQ(a.attributeStep, 2);
    EXPECT_TRUE(a.changed);
    const Parameter& b = Find("adr2", 0);
    EXPECT_FALSE(b.indexed);
    EXPECT_EQ(b.addressOffset, 0);
}

TEST_F(ParameterBaseLoaderTest, CaptionsThatDependOnTheIndex) {
    struct Case {
        const char* name;
        int index;
        const char* caption;
    };
    const Case cases[] = {
        {"bl.st", 0, "Блокировка при старте"},
        {"BL.ST", 2, "Блокировка при старте"},
        {"bl.st", 1, "Заголовок bl.st"},
        {"bl.t", 1, "Время блокировки смены шага"},
        {"bl.t", 2, "Время блокировки при старте"},
        {"a.i.j", 4, "Значение нижнего порога"},
        {"a.i.j", 5, "Значение верхнего порога"},
        {"other", 0, "Заголовок other"},
    };
    std::vector<ParameterRecord> records;
    for (const Case& c : cases)
        records.push_back(Record(c.name, c.index));
    records[1].caption = "Заголовок bl.st";
    ASSERT_EQ(Load(records), 0);
    for (const Case& c : cases)
        EXPECT_EQ(Find(c.name, c.index).caption, c.caption) << c.name << ":" << c.index;
}

TEST_F(ParameterBaseLoaderTest, SameNameIsNotLoadedAgainAnotherReplacesTheTable) {
    ASSERT_EQ(Load({Record("a", 0)}), 0);
    EXPECT_EQ(Load({Record("a", 0), Record("b", 0)}), 0);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(Load({Record("c", 0)}, "other.zip"), 0);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(Find("c", 0).name, "c");
    EXPECT_EQ(table.BaseFileName(), "other.zip");
}

TEST_F(ParameterBaseLoaderTest, IsizeLimitsTheRecordsAndDamageKeepsWhatWasRead) {
    std::vector<ParameterRecord> records;
    for (int i = 0; i < 30; ++i)
        records.push_back(Record("r", i));
    WriteBytes(dir.File("short.zip"),
               Deflate(Plain(records), -15) + LittleEndian32(0) + LittleEndian32(2 * 2343 + 5));
    EXPECT_EQ(LoadParameterBase(table, "short.zip", dir.Dir()), 0);
    EXPECT_EQ(table.size(), 2u);

    const std::string whole = Deflate(Plain(records), 31);
    WriteBytes(dir.File("cut.zip"),
               whole.substr(0, whole.size() / 2) + whole.substr(whole.size() - 4));
    EXPECT_EQ(LoadParameterBase(table, "cut.zip", dir.Dir()), 1);
    EXPECT_GT(table.size(), 0u);
    EXPECT_LT(table.size(), 30u);

    EXPECT_EQ(LoadParameterBase(table, "missing.zip", dir.Dir()), 1);
    EXPECT_TRUE(table.empty());
    WriteBytes(dir.File("empty.zip"), "");
    EXPECT_EQ(LoadParameterBase(table, "empty.zip", dir.Dir()), 1);
    EXPECT_TRUE(table.empty());
}

// The initial-value column is a factory-fresh controller, not what the
// program has read: every parameter starts without data.
TEST_F(ParameterBaseLoaderTest, InitialValuesAreNotTakenAsRead) {
    ParameterRecord error = Record("n.Err", -1);
    error.initial = "0";
    ASSERT_EQ(Load({error}), 0);
    EXPECT_EQ(Find("n.Err", 0).value, kNoData);
}

TEST_F(ParameterBaseLoaderTest, LimitThatIsNoSaneNumberIsDamage) {
    for (const float limit : {std::numeric_limits<float>::quiet_NaN(),
                              std::numeric_limits<float>::infinity(), 1.9e19f, -2e9f}) {
        ParameterRecord bad = Record("t", 1, "CLK_frm");
        bad.upper = limit;
        EXPECT_EQ(Load({Record("t", 0, "CLK_frm"), bad, Record("t", 2, "CLK_frm")},
                       "bad" + std::to_string(limit) + ".zip"),
                  1)
            << limit;
        EXPECT_EQ(table.size(), 1u) << limit;
    }
    ParameterRecord sound = Record("t", 1, "CLK_frm");
    sound.lower = -9999;
    sound.upper = 5999;
    EXPECT_EQ(Load({sound}, "sound.zip"), 0);
}
