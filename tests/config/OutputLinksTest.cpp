// Output-element links written against the simulated controller: duplicates
// refused before any write, disconnect before connect, the gate valve's
// failure path.

#include "ConfigBench.h"

#include "config/OutputElementMasks.h"
#include "config/OutputLinks.h"

namespace {

using Lines = std::vector<std::string>;
const char* const kOff = "Не подключен";

std::string Element(int n) {
    return "Выходной элемент №" + std::to_string(n);
}

class OutputLinksTest : public ConfigBench {
protected:
    void Start(int modification) {
        StartDevice(modification);
        MarkJournal();
    }

    // The table's value, read from the controller first as a screen does.
    void Choose(const std::string& name, int index, const std::string& value) {
        Parameter& p = device.Table(name, index);
        ASSERT_EQ(device.Operations().ReadParameter(&p), kLinkOk);
        p.value = value;
    }

    OutputLinks links{device.Operations(), device.Link().Table(), progress};
};

TEST_F(OutputLinksTest, DuplicateRegulatorLinksAreRefusedBeforeAnyWrite) {
    Start(1);
    for (int i = 0; i < 8; ++i)
        Choose("op", 2 * i, kOff);
    Choose("op", 2, Element(3));
    Choose("op", 4, Element(3));
    prompter.Script(PromptAnswer::Ok);

    EXPECT_EQ(links.WriteOutputLinks(3), LinkWriteOutcome::Duplicate);

    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, "Проверка Выходных элементов");
    EXPECT_EQ(Journal(), Lines{});
    EXPECT_EQ(progress.events, Lines{});
}

// Only the channels in use are compared; the controller itself refuses the
// link beyond them that repeats an element, and that is said, not passed over.
TEST_F(OutputLinksTest, RegulatorLinksAreDisconnectedThenConnected) {
    Start(1);
    const std::string chosen[8] = {Element(1), Element(2), Element(3), Element(1),
                                   kOff,       kOff,       kOff,       kOff};
    for (int i = 0; i < 8; ++i)
        Choose("op", 2 * i, chosen[i]);
    prompter.Script(PromptAnswer::Ok);

    EXPECT_EQ(links.WriteOutputLinks(3), LinkWriteOutcome::Failed);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, "Проверка Выходных элементов");
    const std::string& refusal = device.Table("op", 6).message;
    EXPECT_FALSE(refusal.empty());
    EXPECT_NE(prompter.Shown()[0].text.find(refusal), std::string::npos) << prompter.Shown()[0].text;

    Lines expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back("op[" + std::to_string(2 * i) + "]=Не подключен #0");
    for (const char* line : {"op[0]=Выходной элемент №1 #1", "op[2]=Выходной элемент №2 #2",
                             "op[4]=Выходной элемент №3 #3", "op[8]=Не подключен #0",
                             "op[10]=Не подключен #0", "op[12]=Не подключен #0",
                             "op[14]=Не подключен #0"})
        expected.push_back(line);
    EXPECT_EQ(Journal(), expected);
    EXPECT_EQ(progress.events.front(), "status Запись ВЭ...");
    EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), "bar"), 16);
    EXPECT_EQ(progress.events.back(), "hide");
}

// The first pass would switch an unread link off with no value to set it back.
TEST_F(OutputLinksTest, AnUnreadLinkStopsTheWriteBeforeAnyLinkGoesOff) {
    Start(1);
    for (int i = 0; i < 8; ++i)
        Choose("op", 2 * i, kOff);
    device.Table("op", 6).value = "Нет данных";
    prompter.Script(PromptAnswer::Ok);

    EXPECT_EQ(links.WriteOutputLinks(1), LinkWriteOutcome::Failed);

    EXPECT_EQ(Journal(), Lines{});
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].caption, "Проверка Выходных элементов");
    EXPECT_NE(prompter.Shown()[0].text.find("Значение не записанно, так как параметер не инициализирован"),
              std::string::npos)
        << prompter.Shown()[0].text;
}

struct GateValveCase {
    const char* title;
    const char* mode;
    std::string first, second;
    bool takenElsewhere; // the second element is already another channel's
    LinkWriteOutcome outcome;
    Lines journal;
};

const GateValveCase kGateValveCases[] = {
    {"BothEqual", "Два выходных элемента", Element(1), Element(1), false,
     LinkWriteOutcome::Duplicate, {}},
    {"OneLink", "Один выходной элемент", Element(1), Element(2), false, LinkWriteOutcome::Written,
     {"op[0]=Не подключен #0", "op[1]=Не подключен #0", "se.p[0]=Один выходной элемент #1",
      "op[0]=Выходной элемент №1 #1"}},
    {"BothLinks", "Два выходных элемента", Element(1), Element(2), false,
     LinkWriteOutcome::Written,
     {"op[0]=Не подключен #0", "op[1]=Не подключен #0", "se.p[0]=Два выходных элемента #2",
      "op[0]=Выходной элемент №1 #1", "op[1]=Выходной элемент №2 #2"}},
    {"Refused", "Два выходных элемента", Element(1), Element(2), true, LinkWriteOutcome::Failed,
     {"op[0]=Не подключен #0", "op[1]=Не подключен #0", "se.p[0]=Два выходных элемента #2",
      "op[0]=Выходной элемент №1 #1", "op[0]=Не подключен #0", "op[1]=Не подключен #0",
      "se.p[0]=Отключен #0"}},
};

class GateValveCases : public OutputLinksTest,
                       public testing::WithParamInterface<GateValveCase> {};

TEST_P(GateValveCases, ConnectsByTheModeOrDisconnectsTheBlock) {
    const GateValveCase& c = GetParam();
    Start(3);
    if (c.takenElsewhere)
        Preset("op", 2, c.second);
    Choose("se.p", 0, c.mode);
    Choose("op", 0, c.first);
    Choose("op", 1, c.second);
    const bool boxed = c.outcome != LinkWriteOutcome::Written;
    if (boxed)
        prompter.Script(PromptAnswer::Ok);
    int rereads = 0;

    EXPECT_EQ(links.WriteGateValveOutputs(0, 74, [&] { ++rereads; }), c.outcome);

    EXPECT_EQ(Journal(), c.journal);
    EXPECT_EQ(rereads, c.outcome == LinkWriteOutcome::Failed ? 1 : 0);
    ASSERT_EQ(prompter.Shown().size(), boxed ? 1u : 0u);
    if (c.outcome == LinkWriteOutcome::Failed) {
        EXPECT_EQ(prompter.Shown()[0].text, "Не правильно подключены Выходные элементы!");
        EXPECT_EQ(prompter.Shown()[0].caption, "Ошибка записи");
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, GateValveCases, testing::ValuesIn(kGateValveCases),
                         [](const auto& info) { return std::string(info.param.title); });

// A channel without an inspector element gets none.
TEST_F(OutputLinksTest, AssemblyConnectsTheChosenElementsAfterDisconnectingAll) {
    Start(4);
    OutputElementMasks masks;
    masks.Assign(0, OutputWhich::First, 1);
    masks.Assign(1, OutputWhich::First, 2);
    masks.Assign(1, OutputWhich::Second, 3);

    links.AssembleOutputElements(masks, 4, 2);

    const Lines journal = Journal();
    ASSERT_EQ(journal.size(), 16u + 8u + 4u);
    EXPECT_EQ(journal[0], "op[0]=Не подключен #0");
    EXPECT_EQ(journal[16], "rel.a[0]=Не подключен #0");
    EXPECT_EQ(Lines(journal.begin() + 24, journal.end()),
              (Lines{"op[0]=Выходной элемент №2 #2", "rel.a[0]=Не подключен #0",
                     "op[2]=Выходной элемент №3 #3", "rel.a[1]=Выходной элемент №4 #4"}));
}

struct AssemblyCase {
    const char* what;
    int modification;
    int channels;
    std::vector<std::pair<int, int>> first, second; // channel index, element 0..7
    Lines connected;   // the journal after the disconnecting pass
    bool refusalNamed; // a box names what the controller did not take
};

class AssemblyCases : public OutputLinksTest, public testing::WithParamInterface<AssemblyCase> {};

// Modification 5 gives both channels of a pair the pair's elements, and the
// controller takes them; a link it refuses is named in a box.
TEST_P(AssemblyCases, PairsGetTheirElementsAndRefusalsAreNamed) {
    const AssemblyCase& c = GetParam();
    Start(c.modification);
    OutputElementMasks masks;
    for (const auto& [k, e] : c.first)
        masks.Assign(k, OutputWhich::First, e);
    for (const auto& [k, e] : c.second)
        masks.Assign(k, OutputWhich::Second, e);
    if (c.refusalNamed)
        prompter.Script(PromptAnswer::Ok);

    links.AssembleOutputElements(masks, c.modification, c.channels);

    const Lines journal = Journal();
    ASSERT_GE(journal.size(), 24u);
    EXPECT_EQ(Lines(journal.begin() + 24, journal.end()), c.connected);
    ASSERT_EQ(prompter.Shown().size(), c.refusalNamed ? 1u : 0u);
    if (c.refusalNamed) {
        EXPECT_NE(prompter.Shown()[0].text.find("Недопустимое сочетание значений параметров"),
                  std::string::npos)
            << prompter.Shown()[0].text;
    }
}

const AssemblyCase kAssemblyCases[] = {
    {"Modification5FourChannels", 5, 4, {{0, 0}, {1, 2}}, {{0, 1}, {1, 3}},
     {"op[0]=" + Element(1) + " #1", "rel.a[0]=" + Element(2) + " #2",
      "op[2]=" + Element(1) + " #1", "rel.a[1]=" + Element(2) + " #2",
      "op[4]=" + Element(3) + " #3", "rel.a[2]=" + Element(4) + " #4",
      "op[6]=" + Element(3) + " #3", "rel.a[3]=" + Element(4) + " #4"},
     false},
    {"Modification4OneElementTwice", 4, 2, {{0, 0}, {1, 0}}, {},
     {"op[0]=" + Element(1) + " #1", "rel.a[0]=Не подключен #0", "rel.a[1]=Не подключен #0"},
     true},
};

INSTANTIATE_TEST_SUITE_P(Assembly, AssemblyCases, testing::ValuesIn(kAssemblyCases),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
