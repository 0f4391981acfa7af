// The channel count changed through the "n.Ch" write, as the controller's
// journal records it.

#include "ConfigBench.h"

#include "config/ChannelConfiguration.h"

namespace {

using Lines = std::vector<std::string>;

struct DeviceValue {
    const char* name;
    int index;
    const char* value;
};

struct Case {
    int modification;
    int from, to;
    std::vector<DeviceValue> presets;
    Lines journal;
    Lines report; // lines of the final message; none: no message
    int result = kLinkOk;
};

const char* const kReportHead =
    "Было произведено переконфигурирование прибора с нестандартным подключением Выходных "
    "Элементов. Самостоятельно проверьте параметры op (ссылка №1 на Выходной элемент, дерево "
    "«Преобразователи Сигналов») и rel.a (подключённый к инспектору Выходной элемент, дерево "
    "«Инспекторы»). Нестандартные подключения:\n\n";

const Case kCases[] = {
    {1, 2, 4, {},
     {"n.Ch[0]=3", "regl[2]=Включен #1", "cal.t[16]=Повторитель #0", "od.tp[2]=Включен #1",
      "npc[32]=1", "se.p[4]=Один выходной элемент #1", "op[4]=Выходной элемент №3 #3",
      "n.Ch[0]=4", "regl[3]=Включен #1", "cal.t[24]=Повторитель #0", "od.tp[3]=Включен #1",
      "npc[48]=1", "se.p[6]=Один выходной элемент #1", "op[6]=Выходной элемент №4 #4"},
     {}},
    {1, 4, 2, {},
     {"op[6]=Не подключен #0", "se.p[6]=Отключен #0", "npc[48]=0", "od.tp[3]=Выключен #0",
      "cal.t[24]=Выключен #9", "regl[3]=Выключен #0", "n.Ch[0]=3", "op[4]=Не подключен #0",
      "se.p[4]=Отключен #0", "npc[32]=0", "od.tp[2]=Выключен #0", "cal.t[16]=Выключен #9",
      "regl[2]=Выключен #0", "n.Ch[0]=2"},
     {}},
    {3, 1, 2, {},
     {"n.Ch[0]=2", "regl[1]=Включен #1", "cal.t[8]=Повторитель #0", "od.tp[1]=Включен #1",
      "npc[16]=1", "se.p[2]=Два выходных элемента #2", "op[2]=Выходной элемент №3 #3",
      "op[3]=Выходной элемент №4 #4"},
     {}},
    // Each channel drives its own pair: channel 2 must not ask for element 4 again.
    {3, 1, 3, {},
     {"n.Ch[0]=2", "regl[1]=Включен #1", "cal.t[8]=Повторитель #0", "od.tp[1]=Включен #1",
      "npc[16]=1", "se.p[2]=Два выходных элемента #2", "op[2]=Выходной элемент №3 #3",
      "op[3]=Выходной элемент №4 #4", "n.Ch[0]=3", "regl[2]=Включен #1",
      "cal.t[16]=Повторитель #0", "od.tp[2]=Включен #1", "npc[32]=1",
      "se.p[4]=Два выходных элемента #2", "op[4]=Выходной элемент №5 #5",
      "op[5]=Выходной элемент №6 #6"},
     {}},
    // Elements 1 to 4 are taken when "rel.a"[1] asks for 4: it gets 5.
    {4, 1, 2, {{"op", 4, "Выходной элемент №2"}, {"op", 6, "Выходной элемент №4"}},
     {"n.Ch[0]=2", "regl[1]=Включен #1", "cal.t[8]=Взвешенная сумма #1", "od.tp[1]=Включен #1",
      "npc[16]=1", "se.p[2]=Один выходной элемент #1", "op[2]=Выходной элемент №3 #3",
      "insp[1]=Включен #1", "rel.a[1]=Выходной элемент №5 #5"},
     {"К параметру rel.a[1] подключен Выходной элемент №5"}},
    // The controller takes four channels at most: the fifth count stops the
    // run before its blocks, and the moved link is still reported.
    {4, 3, 5, {{"op", 14, "Выходной элемент №8"}},
     {"n.Ch[0]=4", "regl[3]=Включен #1", "cal.t[24]=Взвешенная сумма #1", "od.tp[3]=Включен #1",
      "npc[48]=1", "se.p[6]=Один выходной элемент #1", "op[6]=Выходной элемент №7 #7",
      "insp[3]=Включен #1", "rel.a[3]=Выходной элемент №2 #2"},
     {"К параметру rel.a[3] подключен Выходной элемент №2"},
     kLinkError},
    {5, 4, 2, {},
     {"lba[2]=Нет контроля #0", "rel.a[2]=Не подключен #0", "op[2]=Не подключен #0",
      "se.p[2]=Отключен #0", "npc[16]=0", "od.tp[2]=Выключен #0", "cal.t[16]=Выключен #9",
      "cal.t[24]=Выключен #9", "insp[2]=Выключен #0", "regl[2]=Выключен #0",
      "in.gr[1]=Не используется #0", "n.Ch[0]=3", "n.Ch[0]=2"},
     {}},
    {5, 2, 3, {}, {"n.Ch[0]=3"}, {}},
    {5, 3, 4, {},
     {"n.Ch[0]=4", "in.gr[1]=Вход №4 #4", "regl[2]=Включен #1", "insp[2]=Включен #1",
      "n.in.c[16]=1", "n.in.c[24]=1", "cal.t[16]=Повторитель #0", "cal.t[24]=Повторитель #0",
      "od.tp[2]=Включен #1", "npc[16]=1", "se.p[2]=Один выходной элемент #1",
      "op[2]=Выходной элемент №3 #3", "rel.a[2]=Выходной элемент №4 #4", "lba[2]=Есть контроль #1"},
     {}},
    {6, 1, 2, {},
     {"n.Ch[0]=2", "regl[1]=Включен #1", "insp[1]=Включен #1", "n.in.c[8]=1",
      "cal.t[8]=Повторитель #0", "od.tp[1]=Включен #1", "npc[16]=1",
      "se.p[2]=Два выходных элемента #2", "op[2]=Выходной элемент №5 #5",
      "op[3]=Выходной элемент №6 #6", "rel.a[1]=Выходной элемент №4 #4", "lba[1]=Есть контроль #1"},
     {}},
};

class ChannelConfigurationTest : public ConfigBench {
protected:
    void StartAt(int modification, int count) {
        StartDevice(modification);
        // The configuration alone, without the count change's other writes.
        device.Operations().SetChannelConfigurator([this](Parameter& count) {
            return ChannelConfiguration(device.Operations(), device.Link().Table(), progress)
                .Apply(count, state.Modification);
        });
        Preset("n.Ch", 0, std::to_string(count));
    }

    // The line from now on: replies dropped and garbled, in percent.
    void Line(int dropPercent, int corruptPercent) {
        FaultSettings faults;
        faults.dropPercent = dropPercent;
        faults.corruptPercent = corruptPercent;
        device.Sim().SetFaults(faults);
    }

    int WriteCount(int count) {
        Parameter& p = device.Table("n.Ch", 0);
        p.value = std::to_string(count);
        return device.Operations().WriteChannelParameter(&p);
    }
};

class ChannelConfigurationCases : public ChannelConfigurationTest,
                                  public testing::WithParamInterface<Case> {};

TEST_P(ChannelConfigurationCases, WritesTheModificationsSequenceStepByStep) {
    const Case& c = GetParam();
    StartAt(c.modification, c.from);
    for (const DeviceValue& p : c.presets)
        Preset(p.name, p.index, p.value);
    if (!c.report.empty())
        prompter.Script(PromptAnswer::Ok);

    EXPECT_EQ(WriteCount(c.to), c.result) << device.Table("n.Ch", 0).message;

    EXPECT_EQ(Journal(), c.journal);
    std::string report = kReportHead;
    for (const std::string& line : c.report)
        report += line + "\n";
    EXPECT_EQ(PromptTexts(), c.report.empty() ? Lines{} : Lines{"Сообщение: " + report});
    const int steps = std::abs(c.to - c.from);
    Lines events{"open Конфигурирование каналов... " + std::to_string(100 / steps)};
    events.insert(events.end(), steps, "step"); // a refused count's step is begun too
    events.push_back("close");
    EXPECT_EQ(progress.events, events);
    EXPECT_EQ(device.Table("n.Ch", 0).value, std::to_string(c.to)); // written or refused
}

INSTANTIATE_TEST_SUITE_P(Tables, ChannelConfigurationCases, testing::ValuesIn(kCases));

TEST_F(ChannelConfigurationTest, SameCountWritesNothingAndOpensNoWindow) {
    StartAt(2, 3);
    EXPECT_EQ(WriteCount(3), kLinkOk);
    EXPECT_EQ(Journal(), Lines{});
    EXPECT_EQ(progress.events, Lines{});
}

// A count that could not be read gives no steps to take: the failure is
// reported instead of a success that changed nothing.
TEST_F(ChannelConfigurationTest, FailedReadOfTheCountWritesNothing) {
    StartAt(1, 1);
    Line(100, 0);

    EXPECT_EQ(WriteCount(3), kLinkNoReply);

    const Parameter& p = device.Table("n.Ch", 0);
    EXPECT_EQ(p.message, "Ошибка команды 'n.Ch':\nТаймаут при передаче данных (нет связи)");
    EXPECT_EQ(p.value, "3");
    device.Sim().SetFaults({});
    EXPECT_EQ(Journal(), Lines{});
    EXPECT_EQ(progress.events, Lines{});
    EXPECT_EQ(device.Stored("n.Ch", 0), "1");
}

// Garbled replies say nothing of a refusal: the links set up keep the
// elements of the sequence, no other element is looked for, no report shown.
TEST_F(ChannelConfigurationTest, GarbledRepliesSendNoLinkToAnotherElement) {
    StartAt(5, 2);
    Line(0, 40);

    EXPECT_EQ(WriteCount(4), kLinkOk);

    Line(0, 0);
    for (const std::string& line : Journal()) {
        if (line.rfind("op[", 0) == 0 || line.rfind("rel.a[", 0) == 0) {
            EXPECT_TRUE(line == "op[2]=Выходной элемент №3 #3" ||
                        line == "rel.a[2]=Выходной элемент №4 #4")
                << line;
        }
    }
    EXPECT_EQ(device.Stored("op", 2), "Выходной элемент №3");
    EXPECT_EQ(device.Stored("rel.a", 2), "Выходной элемент №4");
}

TEST_F(ChannelConfigurationTest, UnknownModificationWritesNothing) {
    StartAt(1, 1);
    state.Modification = 0;
    EXPECT_EQ(WriteCount(2), kLinkNothing);
    EXPECT_EQ(device.Table("n.Ch", 0).message, "Модификация прибора не была определена!");
    EXPECT_EQ(Journal(), Lines{});
}

} // namespace
