#pragma once
// The core's scripted prompter installed for one test; a box the test did not
// script fails the test, naming its text. It also counts boxes asked for off
// the GUI thread, which only a GuiPrompter could show.

#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

class ScriptedBoxes : public ScriptedPrompter {
public:
    ~ScriptedBoxes() override { EXPECT_EQ(UnexpectedTexts(), "") << "message boxes nobody scripted"; }

    PromptAnswer ask(const Prompt& prompt) override {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            ++offGuiThread;
        return ScriptedPrompter::ask(prompt);
    }
    int BoxesOffGuiThread() const { return offGuiThread.load(); }

private:
    std::atomic<int> offGuiThread{0};
    PrompterGuard guard{*this};
};
