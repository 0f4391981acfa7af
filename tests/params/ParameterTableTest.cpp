#include "params/ParameterTable.h"

#include "ScriptedPromptTest.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace {

class TableTest : public ScriptedPromptTest {
protected:
    Parameter* Add(const char* name, int index, bool indexed = true) {
        auto p = std::make_unique<Parameter>(name);
        p->index = index;
        p->indexed = indexed;
        return table.Adopt(std::move(p));
    }
    ParameterTable table;
};

TEST_F(TableTest, KeysAreLowerCaseNameAndIndex) {
    EXPECT_EQ(ParameterTable::MakeKey("rel.A", 3), "rel.a:3");
    EXPECT_EQ(ParameterTable::MakeKey("n.Ch", -1), "n.ch:0");
}

TEST_F(TableTest, FindParameterIgnoresCase) {
    Parameter* channels = Add("n.Ch", 0, false);
    ASSERT_NE(channels, nullptr);
    EXPECT_EQ(table.FindParameter("n.Ch", 0), channels);
    EXPECT_EQ(table.FindParameter("N.CH", 0), channels);
    EXPECT_EQ(channels->table, &table);
}

// A miss shows nothing itself; its notice names the parameter without index.
TEST_F(TableTest, MissIsSilentAndItsNoticeNamesTheParameterWithoutIndex) {
    Add("rel.a", 0);
    EXPECT_EQ(table.FindParameter("rel.a", 7), nullptr);
    EXPECT_TRUE(TakeShown().empty());
    const Prompt notice = ParameterTable::MissingNotice("rel.a");
    EXPECT_EQ(notice.text, "Не найден параметр rel.a в основной таблице параметров!");
    EXPECT_EQ(notice.icon, PromptIcon::None);
    EXPECT_EQ(notice.buttons, PromptButtons::Ok);
    EXPECT_TRUE(notice.caption.empty());
}

TEST_F(TableTest, DuplicateKeyKeepsTheFirst) {
    Parameter* first = Add("n.Ch", 0, false);
    EXPECT_EQ(Add("N.CH", 0, false), nullptr);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(table.FindParameter("n.ch", 0), first);
}

TEST_F(TableTest, WalkCollectsEveryIndexOfAName) {
    for (int i : {2, 0, 1})
        Add("OP", i);
    Add("op.x", 0);
    Add("db", 1);
    std::vector<int> found;
    ParameterTable::Position position;
    while (Parameter* p = table.FindNextParameter("op", position, true))
        found.push_back(p->index);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(table.FindNextParameter("op", position, true), nullptr);
}

TEST_F(TableTest, WalkWithoutAdvanceStaysOnTheFoundEntry) {
    Parameter* only = Add("db", 1);
    ParameterTable::Position position;
    EXPECT_EQ(table.FindNextParameter("DB", position, false), only);
    EXPECT_EQ(table.FindNextParameter("DB", position, false), only);
    EXPECT_EQ(table.FindNextParameter("DB", position, true), only);
    EXPECT_EQ(table.FindNextParameter("DB", position, true), nullptr);
}

TEST_F(TableTest, ClearEmptiesTableAndForgetsBaseFile) {
    Add("db", 1);
    table.SetBaseFileName("parameters_m.zip");
    table.ClearParameterTable();
    EXPECT_TRUE(table.empty());
    EXPECT_TRUE(table.BaseFileName().empty());
    ParameterTable::Position position;
    EXPECT_EQ(table.FindNextParameter("db", position, true), nullptr);
}

TEST_F(TableTest, FilledTableServesSeveralThreads) {
    for (int i = 0; i < 64; ++i)
        Add("SCA", i);
    std::vector<std::thread> readers;
    std::atomic<int> hits{0};
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&] {
            for (int i = 0; i < 64; ++i)
                if (table.FindParameter("sca", i) != nullptr)
                    ++hits;
        });
    for (std::thread& r : readers)
        r.join();
    EXPECT_EQ(hits.load(), 4 * 64);
}

} // namespace
