// How one row's value greys, enables or limits other rows, and decides Next.

#include "ListFixture.h"

namespace {

using RowRules = ListFixture;

const char* const kOutputs = "не_подключен:ВЭ №1:ВЭ №2";

struct OutputCase {
    const char* title;
    std::vector<std::string> values;
    std::vector<bool> enabled;
    bool start;
    bool next;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.title;
}

class OutputRule : public ListFixture, public ::testing::WithParamInterface<OutputCase> {};

const OutputCase kOutputCases[] = {
    {"LastEnabledConnected", {"не подключен", "ВЭ №1"}, {true, true}, true, true},
    {"LastEnabledFree", {"ВЭ №1", "не подключен"}, {true, true}, true, false},
    {"GreyRowIgnored", {"ВЭ №2", "не подключен"}, {true, false}, true, true},
    {"AllGreyKeepsTheStart", {"не подключен", "не подключен"}, {false, false}, true, true},
    {"StartFalseWithoutOutputs", {"не подключен"}, {false}, false, false},
    {"OutputOverridesAFalseStart", {"ВЭ №1"}, {true}, false, true},
};

TEST_P(OutputRule, TheLastEnabledOutputRowDecidesNext) {
    const OutputCase& c = GetParam();
    for (std::size_t i = 0; i < c.values.size(); ++i)
        AddRow({"OP", kOutputs, 0, 0, c.values[i], static_cast<int>(2 * i)},
               c.enabled[i] ? 0 : CmyListCtrl::kRowDisabled);
    list->ApplyRowRules(c.start);
    EXPECT_EQ(sheet.nextStates, std::vector<bool>({c.next}));
}

INSTANTIATE_TEST_SUITE_P(OP, OutputRule, ::testing::ValuesIn(kOutputCases),
                         [](const auto& info) { return std::string(info.param.title); });

struct EnableCase {
    const char* title;
    RowShape rule;
    const char* target;
    bool targetBelow; // the target row is the one right after the rule row
    bool disabled;
};

void PrintTo(const EnableCase& c, std::ostream* os) {
    *os << c.title;
}

class EnableRule : public ListFixture, public ::testing::WithParamInterface<EnableCase> {};

const char* const kBlocking = "нет:при_включении:при_смене_уставки";
const char* const kValve = "нет:ручное:автоматическое";

const EnableCase kEnableCases[] = {
    {"BlockingOff", {"bl.st", kBlocking, 0, 0, "нет"}, "bl.t", true, true},
    {"BlockingAtPowerOn", {"bl.st", kBlocking, 0, 0, "при включении"}, "bl.t", true, false},
    {"BlockingOnSetpoint", {"bl.st", kBlocking, 0, 0, "при смене уставки"}, "bl.t", true, true},
    {"ValveAutomatic", {"se.p", kValve, 0, 0, "автоматическое"}, "op", false, false},
    {"ValveManual", {"se.p", kValve, 0, 0, "ручное"}, "op", false, true},
};

TEST_P(EnableRule, TargetRowFollowsTheValue) {
    const EnableCase& c = GetParam();
    AddRow(c.rule);
    if (!c.targetBelow) { // the valve output is looked for two rows further
        AddRow({"op", kOutputs, 0, 0, "ВЭ №1"});
        AddRow({"lsp", "DEC_dot", 0, 100, "5"});
    }
    AddRow({c.target, "DEC_dot", 0, 100, "5"}, CmyListCtrl::kRowDisabled);
    const int target = list->rowCount() - 1;
    list->UpdateRowRule(0);
    EXPECT_EQ(!list->IsRowEnabled(target), c.disabled);
    if (!c.targetBelow) {
        EXPECT_TRUE(list->IsRowEnabled(1)) << "an op row right below is not the valve's";
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, EnableRule, ::testing::ValuesIn(kEnableCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(RowRules, AddressLengthSetsTheAddressRange) {
    Parameter& length = AddRow({"A.Len", "DEC_dot", 0, 0, "11"});
    Parameter& address = AddRow({"Addr", "DEC_dot", 0, 255, "16"});
    list->UpdateRowRule(0);
    EXPECT_EQ(address.lower, 0);
    EXPECT_EQ(address.upper, 2047);
    length.value = "8";
    list->UpdateRowRule(0);
    EXPECT_EQ(address.upper, 255);
}

TEST_F(RowRules, UnreadAddressLengthLeavesTheRange) {
    AddRow({"A.Len", "DEC_dot", 0, 0, "Нет данных"});
    Parameter& address = AddRow({"Addr", "DEC_dot", 0, 255, "16"});
    list->UpdateRowRule(0);
    EXPECT_EQ(address.upper, 255) << "an unread length must not close every address";
}

TEST_F(RowRules, PowerModeLimitsTheSetpointThatFollows) {
    Parameter& mode = AddRow({"P.-Sp", "Уставка:Мощность", 0, 0, "Мощность", 3});
    Parameter& setpoint = AddRow({"Sp.lu", "STORED_DOT", -9999, 9999, "0.5", 3});
    list->UpdateRowRule(0);
    EXPECT_EQ(setpoint.lower, 0);
    EXPECT_EQ(setpoint.upper, 1);
    mode.value = "Уставка";
    list->UpdateRowRule(0);
    EXPECT_EQ(setpoint.lower, -9999);
    EXPECT_EQ(setpoint.upper, 9999);
}

TEST_F(RowRules, LogicTypeRereadsTheAlarmPointsAndGreysTheSecond) {
    const char* logic = "выше:ниже:в_зоне:вне_зоны";
    AddRow({"a.i.j", "STORED_DOT", 0, 100, "1.000", 0});
    AddRow({"a.i.j", "STORED_DOT", 0, 100, "2.000", 1});
    Parameter& type = AddRow({"LG.tY", logic, 0, 0, "ниже"});
    sheet.readValue = "3.500";
    list->UpdateRowRule(2);
    ASSERT_EQ(sheet.reads.size(), 2u);
    EXPECT_EQ(sheet.reads[0].attempts, 1);
    EXPECT_EQ(list->CellText(0, 2), "3.500");
    EXPECT_EQ(list->CellText(1, 2), "3.500");
    EXPECT_TRUE(list->IsRowEnabled(0));
    EXPECT_FALSE(list->IsRowEnabled(1));
    type.value = "в зоне";
    list->UpdateRowRule(2);
    EXPECT_TRUE(list->IsRowEnabled(1));
}

TEST_F(RowRules, RulesWithoutTargetsDoNothing) {
    AddRow({"bl.st", kBlocking, 0, 0, "нет"});
    AddRow({"se.p", kValve, 0, 0, "ручное"});
    AddRow({"lg.ty", "выше:ниже", 0, 0, "выше"});
    AddRow({"A.Len", "DEC_dot", 0, 0, "8"});
    AddRow({"P.-Sp", "Уставка:Мощность", 0, 0, "Мощность"});
    list->ApplyRowRules(true);
    EXPECT_TRUE(sheet.reads.empty());
    for (int row = 0; row < list->rowCount(); ++row)
        EXPECT_TRUE(list->IsRowEnabled(row));
    EXPECT_EQ(sheet.nextStates, std::vector<bool>({true}));
}

struct ParityCase {
    std::string value;
    std::string shown;
};

TEST_F(RowRules, ParityNumbersBecomeNames) {
    const ParityCase cases[] = {
        {"1", "Четность"}, {"3", "Отсутствует"},         {"4", "Нечетность"},
        {"2", ""},         {"Нет данных", "Нет данных"},
    };
    for (const ParityCase& c : cases)
        AddRow({"PrtY", "DEC_dot", 0, 0, c.value});
    AddRow({"bPS", "DEC_dot", 0, 0, "9600"});
    list->ShowParityNames();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(parameters[i].value, cases[i].shown) << cases[i].value;
        EXPECT_EQ(list->CellText(static_cast<int>(i), 2), cases[i].shown);
    }
    EXPECT_EQ(list->CellText(5, 2), "9600");
}

} // namespace
