// The rules of a parameter screen find their rows by parameter: a row's
// value greys, frees or re-reads other rows and decides Next the same way
// whatever order the rows stand in.

#include "config/KindRowRules.h"
#include "config/ParameterExchange.h"
#include "config/RowRules.h"
#include "params/Parameter.h"
#include "params/ParameterTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace {

const char* const kOutputs = "не_подключен:ВЭ №1:ВЭ №2";
const char* const kBlocking = "нет:при_включении:при_смене_уставки";
const char* const kValve = "нет:ручное:автоматическое";
const char* const kLogic = "выше:ниже:в_зоне:вне_зоны";
const char* const kNumber = "DEC_dot";

struct Row {
    const char* name;
    const char* format;
    const char* value;
    int index = 0;
    bool disabled = false;
};

struct State {
    const char* name;
    int index;
    bool disabled;
};

struct RuleCase {
    const char* title;
    std::vector<Row> rows;
    bool start;
    std::vector<State> states; // rows the rules must leave so
    bool next;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.title;
}

const RuleCase kCases[] = {
    {"LastOutputConnected",
     {{"OP", kOutputs, "не подключен", 0}, {"OP", kOutputs, "ВЭ №1", 2}},
     true, {}, true},
    {"LastOutputFree",
     {{"OP", kOutputs, "ВЭ №1", 0}, {"OP", kOutputs, "не подключен", 2}},
     true, {}, false},
    {"GreyOutputIgnored",
     {{"OP", kOutputs, "ВЭ №2", 0}, {"OP", kOutputs, "не подключен", 2, true}},
     true, {}, true},
    {"AllOutputsGreyKeepTheStart",
     {{"OP", kOutputs, "не подключен", 0, true}, {"OP", kOutputs, "не подключен", 2, true}},
     true, {}, true},
    {"OutputOverridesAFalseStart", {{"OP", kOutputs, "ВЭ №1", 0}}, false, {}, true},
    {"NoRuleKeepsAFalseStart", {{"Pb", kNumber, "5", 0}}, false, {}, false},
    {"BlockingOffGreysItsOwnTime",
     {{"bl.st", kBlocking, "нет", 1}, {"bl.t", kNumber, "5", 1}, {"bl.t", kNumber, "5", 3}},
     true, {{"bl.t", 1, true}, {"bl.t", 3, false}}, true},
    {"BlockingAtPowerOnFreesIt",
     {{"bl.st", kBlocking, "при включении", 1}, {"bl.t", kNumber, "5", 1, true}},
     true, {{"bl.t", 1, false}}, true},
    {"BlockingOnSetpointGreysIt",
     {{"bl.st", kBlocking, "при смене уставки", 3}, {"bl.t", kNumber, "5", 3}},
     true, {{"bl.t", 3, true}}, true},
    {"AutomaticValveFreesItsSecondOutput",
     {{"se.p", kValve, "автоматическое", 2},
      {"op", kOutputs, "ВЭ №1", 2},
      {"op", kOutputs, "ВЭ №2", 3, true}},
     true, {{"op", 2, false}, {"op", 3, false}}, true},
    {"ManualValveGreysItsSecondOutput",
     {{"se.p", kValve, "ручное", 2}, {"op", kOutputs, "ВЭ №1", 2}, {"op", kOutputs, "ВЭ №2", 3}},
     true, {{"op", 2, false}, {"op", 3, true}}, true},
    {"LogicBelowGreysTheSecondAlarmPoint",
     {{"a.i.j", "STORED_DOT", "1.000", 6},
      {"a.i.j", "STORED_DOT", "2.000", 7},
      {"LG.tY", kLogic, "ниже", 6}},
     true, {{"a.i.j", 6, false}, {"a.i.j", 7, true}}, true},
    {"LogicInZoneFreesIt",
     {{"a.i.j", "STORED_DOT", "1.000", 6},
      {"a.i.j", "STORED_DOT", "2.000", 7, true},
      {"lg.ty", kLogic, "в зоне", 6}},
     true, {{"a.i.j", 7, false}}, true},
};

class Screen {
public:
    explicit Screen(const std::vector<Row>& shape) {
        for (const Row& r : shape) {
            Parameter& p = parameters.emplace_back(r.name);
            p.format = r.format;
            p.value = r.value;
            p.index = r.index;
            rows.push_back({&p, r.disabled, false, r.value});
        }
    }
    // The rows in another order: each of them moved by `by`, or reversed.
    void Reorder(int by) {
        if (by < 0)
            std::reverse(rows.begin(), rows.end());
        else
            std::rotate(rows.begin(), rows.begin() + by % rows.size(), rows.end());
    }
    bool Disabled(const char* name, int index) {
        const ScreenRow* row = FindScreenRow(rows, name, index);
        EXPECT_NE(row, nullptr) << name << "[" << index << "]";
        return row != nullptr && row->disabled;
    }

    std::deque<Parameter> parameters;
    std::vector<ScreenRow> rows;
};

class RowRulesByParameter : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RowRulesByParameter, AnyRowOrderGivesTheSameStatesAndNext) {
    const RuleCase& c = GetParam();
    for (int order : {0, 1, -1}) {
        Screen screen(c.rows);
        screen.Reorder(order);
        EXPECT_EQ(RowRules(screen.rows).Apply(c.start), c.next) << "order " << order;
        for (const State& s : c.states)
            EXPECT_EQ(screen.Disabled(s.name, s.index), s.disabled)
                << s.name << "[" << s.index << "], order " << order;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, RowRulesByParameter, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(RowRulesLimits, LengthAndPowerModeSetTheLimitsOfTheirPartners) {
    Screen screen({{"Sp.lu", "STORED_DOT", "0.5", 3},
                   {"A.Len", kNumber, "11", 0},
                   {"Sp.lu", "STORED_DOT", "0.5", 0},
                   {"P.-Sp", "Уставка:Мощность", "Мощность", 3},
                   {"Addr", kNumber, "16", 0}});
    Parameter& setpoint = *FindScreenRow(screen.rows, "Sp.lu", 3)->parameter;
    Parameter& other = *FindScreenRow(screen.rows, "Sp.lu", 0)->parameter;
    Parameter& address = *FindScreenRow(screen.rows, "Addr", 0)->parameter;
    RowRules(screen.rows).Apply(true);
    EXPECT_EQ(setpoint.lower, 0);
    EXPECT_EQ(setpoint.upper, 1);
    EXPECT_EQ(other.upper, 0) << "another regulator's setpoint";
    EXPECT_EQ(address.upper, 2047);
    FindScreenRow(screen.rows, "P.-Sp", 3)->parameter->value = "Уставка";
    FindScreenRow(screen.rows, "A.Len", 0)->parameter->value = "Нет данных";
    RowRules(screen.rows).Apply(true);
    EXPECT_EQ(setpoint.lower, -9999);
    EXPECT_EQ(setpoint.upper, 9999);
    EXPECT_EQ(address.upper, 2047) << "an unread length must not close every address";
}

class CountingReads : public ParameterExchange {
public:
    int WriteParameterRequest(Parameter&, int) override { return 0; }
    int ReadParameterRequest(Parameter& p, int attempts) override {
        reads.push_back(p.name + "[" + std::to_string(p.index) + "]/" + std::to_string(attempts));
        p.value = "3.500";
        return 0;
    }
    std::vector<std::string> reads;
};

TEST(RowRulesReads, OnlyAChangedLogicTypeRereadsItsAlarmPoints) {
    Screen screen({{"lg.ty", kLogic, "ниже", 6},
                   {"a.i.j", "STORED_DOT", "1.000", 6},
                   {"a.i.j", "STORED_DOT", "2.000", 7},
                   {"a.i.j", "STORED_DOT", "2.000", 12}});
    CountingReads device;
    RowRules rules(screen.rows, &device);
    rules.Apply(true);
    EXPECT_TRUE(device.reads.empty()) << "values just read are not read again";
    rules.Apply(true, screen.rows[0].parameter);
    EXPECT_EQ(device.reads, (std::vector<std::string>{"a.i.j[6]/1", "a.i.j[7]/1"}));
}

struct KindCase {
    const char* title;
    int kind;
    int channelCount;
    const char* selection;
    std::vector<Row> rows;
    std::vector<State> states;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.title;
}

const char* const kComputing = "нет:сумма:c2:разность:c4:c5:c6:c7:резерв";

const KindCase kKindCases[] = {
    {"WeightedSumWeighsTheBlocksInputs",
     17, 1, "сумма",
     {{"SCA", kNumber, "1", 8}, {"SCA", kNumber, "1", 11}, {"SCA", kNumber, "1", 9},
      {"A.ist", kNumber, "1", 8}, {"SCA", kNumber, "1", 10}},
     {{"SCA", 8, false}, {"SCA", 9, false}, {"SCA", 10, false}, {"SCA", 11, true},
      {"A.ist", 8, true}}},
    {"DifferenceWeighsTwo",
     17, 1, "разность",
     {{"SCA", kNumber, "1", 9}, {"SCA", kNumber, "1", 8}, {"SCA", kNumber, "1", 10}},
     {{"SCA", 8, false}, {"SCA", 9, false}, {"SCA", 10, true}}},
    {"RedundancyNeedsTheMainSignal",
     17, 1, "резерв",
     {{"A.ist", kNumber, "1", 8}, {"SCA", kNumber, "1", 8}},
     {{"A.ist", 8, false}, {"SCA", 8, true}}},
    {"ChannelsBeyondTheCountAreGrey",
     49, 2, "",
     {{"OP", kOutputs, "ВЭ №1", 6}, {"OP", kOutputs, "ВЭ №1", 0}, {"OP", kOutputs, "ВЭ №1", 2},
      {"OP", kOutputs, "ВЭ №1", 4}},
     {{"OP", 0, false}, {"OP", 2, false}, {"OP", 4, true}, {"OP", 6, true}}},
    {"ValveModelGreysTheDriveTimings",
     74, 1, "",
     {{"lsp", kNumber, "1", 0}, {"db.F", kNumber, "1", 0}, {"t.stp", kNumber, "1", 0},
      {"tfp", kNumber, "1", 0}},
     {{"lsp", 0, true}, {"db.F", 0, false}, {"t.stp", 0, true}, {"tfp", 0, true}}},
};

class KindRulesByParameter : public ::testing::TestWithParam<KindCase> {
protected:
    void SetUp() override {
        Add("n.in.c", kNumber, "3", 8);
        Add("dlp", "датчик:модель", "модель", 2);
        selector = Add("CAL.t", kComputing, GetParam().selection, 8);
    }
    Parameter* Add(const char* name, const char* format, const char* value, int index) {
        auto p = std::make_unique<Parameter>(name);
        p->format = format;
        p->value = value;
        p->index = index;
        return table.Adopt(std::move(p));
    }
    ParameterTable table;
    Parameter* selector = nullptr;
};

TEST_P(KindRulesByParameter, AnyRowOrderGivesTheSameStates) {
    const KindCase& c = GetParam();
    KindRowContext context;
    context.kind = c.kind;
    context.modification = 1;
    context.position = 1;
    context.channelCount = c.channelCount;
    context.selector = selector;
    context.selected = true;
    context.selection = c.selection;
    for (int order : {0, 1, -1}) {
        Screen screen(c.rows);
        screen.Reorder(order);
        ApplyKindRowRules(context, screen.rows, table);
        for (const State& s : c.states)
            EXPECT_EQ(screen.Disabled(s.name, s.index), s.disabled)
                << s.name << "[" << s.index << "], order " << order;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindRulesByParameter, ::testing::ValuesIn(kKindCases),
                         [](const auto& info) { return std::string(info.param.title); });

} // namespace
