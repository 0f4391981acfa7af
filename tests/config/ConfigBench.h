#pragma once
// The configuration procedures against the simulated controller through the
// real link code, checked from the controller's journal; what they show is
// recorded.

#include "SimulatedDevice.h"

#include "config/ConfigurationProgress.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"
#include "config/WizardState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every call as one text: "open TEXT STEP", "step", "close", "status TEXT",
// "hide", "fly on", "fly off", "bar step N", "bar", "bar at N".
class RecordingProgress : public ConfigurationProgress {
public:
    void OpenBusyWindow(const std::string& text, int step) override {
        events.push_back("open " + text + " " + std::to_string(step));
    }
    void StepBusyWindow() override { events.push_back("step"); }
    void CloseBusyWindow() override { events.push_back("close"); }
    void SetStatus(bool shown, const std::string& text) override {
        events.push_back(shown ? "status " + text : "hide");
    }
    void SetProgressStep(int step) override { events.push_back("bar step " + std::to_string(step)); }
    void StepProgress() override { events.push_back("bar"); }
    void SetProgressPosition(int position) override {
        events.push_back("bar at " + std::to_string(position));
    }
    void SetFlying(bool on) override { events.push_back(on ? "fly on" : "fly off"); }

    std::vector<std::string> events;
};

class ConfigBench : public testing::Test {
protected:
    // The controller in modification m, with the other options given.
    void StartDevice(int modification, Simulator::Options options = {}) {
        options.model.modification = modification;
        options.model.changeTime = std::chrono::milliseconds(300);
        std::string error;
        ASSERT_TRUE(device.Start(error, options)) << error;
        // The port name goes into the program's settings, which a switch
        // to the factory settings copies back into the port.
        NetRS485prg& settings = device.Link().Settings();
        settings.BuildParameters();
        settings.SetValueByName(kPortName, device.Link().Port().settings().port_name);
        state.Modification = modification;
    }

    void TearDown() override { EXPECT_EQ(prompter.UnexpectedTexts(), ""); }

    // Writes a value straight to the controller, outside any procedure, and
    // leaves it out of the journal the test checks.
    void Preset(const std::string& name, int index, const std::string& value) {
        Parameter& p = device.Table(name, index);
        p.value = value;
        ASSERT_EQ(device.Operations().WriteParameter(&p), kLinkOk) << name << ' ' << p.message;
        MarkJournal();
    }

    void MarkJournal() { journalMark = device.Sim().JournalLines().size(); }

    // The journal lines since the last mark.
    std::vector<std::string> Journal() {
        const std::vector<std::string> all = device.Sim().JournalLines();
        return {all.begin() + static_cast<long>(std::min(journalMark, all.size())), all.end()};
    }

    std::vector<std::string> PromptTexts() const {
        std::vector<std::string> texts;
        for (const Prompt& p : prompter.Shown())
            texts.push_back(p.caption + ": " + p.text);
        return texts;
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    SimulatedDevice device;
    RecordingProgress progress;
    WizardState state;
    std::size_t journalMark = 0;
};
