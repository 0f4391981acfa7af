// The choice numbers the program writes and compares, checked on the shipped
// base, and the initial values the simulator starts from.

#include "ShippedBase.h"

#include "params/ChoiceList.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "config/WizardState.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

class BaseChoicesTest : public ::testing::Test {
protected:
    const Parameter& Get(const std::string& name, int index) {
        const Parameter* p = Shipped().table.FindParameter(name, index);
        EXPECT_NE(p, nullptr) << name << ":" << index;
        static const Parameter none;
        return p ? *p : none;
    }
    void TearDown() override { EXPECT_EQ(prompter.UnexpectedTexts(), ""); }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
};

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Whether a list row or selector of this parameter offers the choice.
bool Offered(const Parameter& p, int choice, int modification) {
    const std::uint8_t mask =
        choice < static_cast<int>(p.choiceMasks.size()) ? p.choiceMasks[choice] : 0;
    return IsChoiceAllowed(mask, modification);
}

// A real choice of a list, not "Нет данных" past its end.
bool HasChoice(const Parameter& p, int choice) {
    return p.format.find(':') != std::string::npos &&
           choice < static_cast<int>(choice_tokens(p.format).size());
}

std::vector<int> Range(int first, int last, int step = 1) {
    std::vector<int> out;
    for (int i = first; i <= last; i += step)
        out.push_back(i);
    return out;
}

TEST_F(BaseChoicesTest, OutputLinksNameTheirElementByNumber) {
    struct Link {
        const char* name;
        std::vector<int> indexes;
    };
    for (const Link& link : {Link{"op", Range(0, 15)}, Link{"rel.a", Range(0, 7)}}) {
        for (int index : link.indexes) {
            const Parameter& p = Get(link.name, index);
            EXPECT_EQ(choice_text(p, 0).find("№"), std::string::npos) << link.name << index;
            for (int e = 1; e <= 8; ++e) {
                EXPECT_EQ(choice_text(p, e), "Выходной элемент №" + std::to_string(e))
                    << link.name << ":" << index;
                for (int m = 1; m <= 6; ++m)
                    EXPECT_TRUE(Offered(p, e, m)) << link.name << " element " << e << " m" << m;
            }
        }
    }
}

TEST_F(BaseChoicesTest, ChoicesTheProgramWritesExistAndAreOfferedWhereNeeded) {
    struct Need {
        const char* name;
        int index;
        std::vector<int> choices;
        std::vector<int> modifications; // where a list or selector must offer them
    };
    const Need needs[] = {
        {"cal.t", 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {3, 4, 6}},
        {"cal.t", 8, {0, 2, 9}, {}},
        {"rEG.t", 0, {0, 1}, {1, 3, 4, 5, 6}},
        {"in-t", 0, {7, 11, 12, 13, 14}, {1, 2, 3, 4, 5, 6}},
        {"in-t", 1, {26, 27, 28, 41}, {}},
        {"se.p", 0, {0, 1, 2}, {3, 6}},
        {"Pou", 0, {0, 1}, {}},
        {"behv", 0, {0, 2}, {1, 2, 3, 4, 5, 6}},
        {"in.gr", 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {}},
        {"or.sp", 0, Range(0, 8), {}},
        {"lba", 0, {0, 1}, {}},
        {"insp", 0, {0, 1}, {}},
        {"e.use", 0, {0, 1}, {}},
        {"regl", 0, {0, 1}, {}},
        {"od.tp", 0, {0, 1}, {}},
        {"dlp", 0, {0, 1}, {}},
        {"t.dp", 0, {0}, {}},
        {"t.in.", 3, {0}, {}},
        {"r.el", 0, {1}, {}},
        {"S.OE", 0, {25}, {}},
    };
    for (const Need& need : needs) {
        const Parameter& p = Get(need.name, need.index);
        for (int choice : need.choices) {
            EXPECT_TRUE(HasChoice(p, choice)) << need.name << " choice " << choice;
            for (int m : need.modifications)
                EXPECT_TRUE(Offered(p, choice, m))
                    << need.name << " choice " << choice << " m" << m;
        }
    }
}

TEST_F(BaseChoicesTest, ChoiceTextsTheProgramComparesWith) {
    EXPECT_EQ(choice_text(Get("rEG.t", 3), 1), "ПИД");
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(choice_text(Get("or.sp", 3 * c), c + 1), "График №" + std::to_string(c + 1));
    for (int choice : {7, 11, 12, 13, 14}) {
        const std::string text = choice_text(Get("in-t", 0), choice);
        EXPECT_TRUE(StartsWith(text, "Ток") || StartsWith(text, "Напряжение")) << text;
    }
    for (int choice : {26, 27, 28, 41})
        EXPECT_TRUE(StartsWith(choice_text(Get("in-t", 0), choice), "Датчик положения")) << choice;
    EXPECT_EQ(choice_text(Get("cal.t", 8), 9), "Выключен");
    EXPECT_EQ(choice_text(Get("S.OE", 5), 25), "Свободен");
}

// The list pages put the link or input number in place of "№...".
TEST_F(BaseChoicesTest, NumberedCaptionsCarryTheirPlaceholder) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NE(Get("OP", i).caption.find("№..."), std::string::npos) << "OP:" << i;
    for (int c = 0; c < 8; ++c)
        for (int j = 0; j < 4; ++j)
            EXPECT_NE(Get("SCA", 8 * c + j).caption.find("№..."), std::string::npos)
                << "SCA:" << 8 * c + j;
}

TEST_F(BaseChoicesTest, PowerReturnChoiceZeroCanBeRenamedInPlace) {
    const Parameter& behv = Get("behv", 0);
    const std::string start = choice_text(behv, 0);
    EXPECT_EQ(start, "Переход в \"Старт\"");
    // The service page renames choice 0 by replacing its text in the format.
    EXPECT_NE(behv.format.find(start), std::string::npos) << behv.format;
}

// A free element reports choice 25 of S.OE; the initial state must agree with
// the initial links, or the simulator's first free-element search lies.
TEST_F(BaseChoicesTest, InitialElementStatesMatchTheInitialLinks) {
    std::map<std::pair<std::string, int>, std::string> initial;
    for (const ShippedRecord& r : ShippedRecords())
        initial[{r.name, r.index}] = r.initial;
    const auto holds = [&](const char* name, int index, int choice) {
        return initial[{name, index}] == choice_text(Get(name, index), choice);
    };
    for (int e = 1; e <= 8; ++e) {
        bool linked = false;
        for (int i = 0; i < 16; ++i)
            linked = linked || holds("op", i, e);
        for (int i = 0; i < 8; ++i)
            linked = linked || holds("rel.a", i, e);
        EXPECT_EQ(holds("S.OE", e - 1, 25), !linked) << "element " << e;
    }
}

TEST_F(BaseChoicesTest, EveryInitialValueIsValidForItsParameter) {
    for (const ShippedRecord& r : ShippedRecords()) {
        Parameter* p = Shipped().table.FindParameter(r.name, r.index);
        ASSERT_NE(p, nullptr) << r.name << ":" << r.index;
        // The program has read nothing yet.
        EXPECT_EQ(p->value, kNoData) << r.name << ":" << r.index;
        const std::string where = r.name + ":" + std::to_string(r.index) + " = \"" + r.initial + "\"";
        if (p->format.find(':') != std::string::npos) {
            EXPECT_GE(find_choice(p->format, r.initial), 0) << where;
            continue;
        }
        if (r.name == "APLY") // a command: written without a value
            continue;
        const bool changed = p->changed;
        EXPECT_TRUE(p->SetValue(r.initial, false))
            << where << " outside " << p->lower << ".." << p->upper;
        p->value = kNoData;
        p->changed = changed;
    }
}

} // namespace
