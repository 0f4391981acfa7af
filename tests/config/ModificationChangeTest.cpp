// The change of modification against the simulated controller: the probe,
// the questions, the writes the controller accepted, the wait for it.

#include "ConfigBench.h"

#include "config/ModificationChange.h"
#include "sim/LinkConfig.h"
#include "link/NetworkErrors.h"

#include <functional>

namespace {

using Lines = std::vector<std::string>;
using Outcome = ModificationOutcome;

constexpr ModificationChange::Timing kQuickPolls{std::chrono::milliseconds(20), 7};
const LinkConfig kOwnLink{19200, 8, 0, 1, 8, 20}; // not the standard settings

struct ChangeCase {
    const char* title;
    int device, selected;
    std::vector<PromptAnswer> answers;
    Outcome outcome;
    Lines journal;
    Lines captions; // of the boxes shown, in order
    int deviceAfter;
};

const ChangeCase kCases[] = {
    {"SameKept", 1, 1, {PromptAnswer::No}, Outcome::Kept, {"mod.v[0]=1"}, {""}, 1},
    {"SameReset", 1, 1, {PromptAnswer::Yes}, Outcome::Changed,
     {"mod.v[0]=1", "mod.v[0]=255", "ch.md[0]=1"}, {""}, 1},
    {"Other", 1, 3, {PromptAnswer::Yes}, Outcome::Changed, {"mod.v[0]=1", "ch.md[0]=3"}, {""}, 3},
    {"OtherOnSecondAsking", 2, 5, {PromptAnswer::No, PromptAnswer::Yes}, Outcome::Changed,
     {"mod.v[0]=2", "ch.md[0]=5"}, {"", "Внимание"}, 5},
    {"OtherDeclined", 1, 3, {PromptAnswer::No, PromptAnswer::No}, Outcome::Declined,
     {"mod.v[0]=1"}, {"", "Внимание"}, 1},
};

class ModificationChangeTest : public ConfigBench {
protected:
    // The controller and the program on the controller's own link settings.
    void StartOnOwnLink(int modification) {
        Simulator::Options options;
        options.link = kOwnLink;
        StartDevice(modification, options);
        NetRS485prg& settings = device.Link().Settings();
        settings.SetValueByName("Addr", std::to_string(kOwnLink.address));
        settings.SetValueByName("bPS", std::to_string(kOwnLink.baud));
        ASSERT_EQ(device.Link().open_port(), 0);
    }

    Outcome Change(int selected) {
        EXPECT_EQ(DetectModification(device.Operations(), device.Link()), device.Sim().Modification());
        ModificationChange change(device.Operations(), device.Link(), progress,
                                  device.Link().Port().exit_event());
        change.SetTiming(kQuickPolls);
        return change.Run(selected);
    }

    Lines Captions() const {
        Lines captions;
        for (const Prompt& p : prompter.Shown())
            captions.push_back(p.caption);
        return captions;
    }
};

class ModificationChangeCases : public ModificationChangeTest,
                                public testing::WithParamInterface<ChangeCase> {};

TEST_P(ModificationChangeCases, AsksProbesAndWaitsAsAnswered) {
    const ChangeCase& c = GetParam();
    StartOnOwnLink(c.device);
    for (PromptAnswer a : c.answers)
        prompter.Script(a);

    EXPECT_EQ(Change(c.selected), c.outcome);

    EXPECT_EQ(Journal(), c.journal);
    EXPECT_EQ(Captions(), c.captions);
    ASSERT_FALSE(prompter.Shown().empty());
    EXPECT_EQ(prompter.Shown()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(device.Sim().Modification(), c.deviceAfter);
    const bool changed = c.outcome == Outcome::Changed;
    // After a change both sides speak the standard settings again.
    EXPECT_EQ(device.Sim().ActiveLink() == LinkConfig::Standard(), changed);
    EXPECT_EQ(device.Link().Port().settings().baud_rate, changed ? 9600u : kOwnLink.baud);
    const Lines waited{"status Смена модификации...", "fly on", "fly off", "hide"};
    EXPECT_EQ(progress.events, changed ? waited : Lines{});
}

INSTANTIATE_TEST_SUITE_P(Answers, ModificationChangeCases, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(ModificationChangeTest, BusyControllerRefusesTheProbe) {
    Simulator::Options options;
    options.menu = true;
    StartDevice(2, options);
    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(Change(4), Outcome::Busy);
    EXPECT_EQ(Journal(), Lines{});
    ASSERT_EQ(Captions(), Lines{"Прибор занят"});
    EXPECT_EQ(prompter.Shown()[0].text.rfind("Нажмите кнопку \"Выход\" на приборе ZRK-640", 0), 0u);
}

// A failed detection left "mod.v" unread: it is read again before the probe,
// and a value never read is never written back to the controller.
TEST_F(ModificationChangeTest, UnreadModificationIsReadBeforeTheProbe) {
    StartDevice(2);
    ModificationChange change(device.Operations(), device.Link(), progress,
                              device.Link().Port().exit_event());
    Parameter& current = *device.Link().FindParameter("mod.v", 0);
    current.value = kNoData;
    prompter.Script(PromptAnswer::No);
    prompter.Script(PromptAnswer::No);
    EXPECT_EQ(change.Run(4), Outcome::Declined);
    EXPECT_EQ(Journal(), Lines{"mod.v[0]=2"});

    current.value = kNoData;
    FaultSettings silent;
    silent.silentAfter = 0;
    device.Sim().SetFaults(silent);
    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(change.Run(4), Outcome::Failed);
    EXPECT_EQ(Journal(), Lines{"mod.v[0]=2"}); // nothing more
    EXPECT_EQ(prompter.Shown().back().text, "Модификация прибора не была определена!");
}

// Answers the boxes from the fixture's script, then once runs something
// that happens while the operator answers.
class InterruptingPrompter : public Prompter {
public:
    InterruptingPrompter(Prompter& inner, std::function<void()> then)
        : inner(inner), then(std::move(then)) {}
    PromptAnswer ask(const Prompt& prompt) override {
        const PromptAnswer a = inner.ask(prompt);
        if (then)
            std::exchange(then, {})();
        return a;
    }

private:
    Prompter& inner;
    std::function<void()> then;
};

// A refusal is final: it is named at once instead of waiting out the polls.
TEST_F(ModificationChangeTest, RefusedChangeIsNamedWithoutPolling) {
    StartDevice(1);
    int framesBefore = 0;
    // The operator opens the controller's menu: "ch.md" is refused.
    InterruptingPrompter interrupting(prompter, [&] {
        device.Sim().SetMenu(true);
        framesBefore = device.Frames();
    });
    PrompterGuard over(interrupting);
    prompter.Script(PromptAnswer::Yes);
    prompter.Script(PromptAnswer::Ok);

    EXPECT_EQ(Change(3), Outcome::Failed);

    EXPECT_EQ(Journal(), Lines{"mod.v[0]=1"});
    EXPECT_EQ(device.Frames() - framesBefore, 2); // "ch.md" and its refusal, no polls
    ASSERT_EQ(Captions(), (Lines{"", "ch.md"}));
    EXPECT_EQ(prompter.Shown()[1].text,
              ExchangeText(ExchangeResult::RefusedWith(NetworkErrors::kBusy)));
    EXPECT_EQ(progress.events, Lines{});
}

TEST_F(ModificationChangeTest, ExitEndsTheWait) {
    StartDevice(1);
    InterruptingPrompter interrupting(prompter, [&] { device.Link().Port().exit_event().set(); });
    PrompterGuard over(interrupting);
    prompter.Script(PromptAnswer::Yes);
    const auto start = std::chrono::steady_clock::now();

    EXPECT_EQ(Change(3), Outcome::Aborted);

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(Journal(), Lines{"mod.v[0]=1"});
    device.Link().Port().exit_event().reset();
}

} // namespace
