#pragma once
// Base fixture: every box goes to a scripted prompter, and a box the test
// did not expect fails it with its text.

#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <gtest/gtest.h>

class ScriptedPromptTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(prompter.Unexpected().empty()) << "unexpected boxes:\n"
                                                   << prompter.UnexpectedTexts();
    }

    // Checks the boxes shown so far and forgets them.
    std::vector<Prompt> TakeShown() {
        std::vector<Prompt> shown = prompter.Shown();
        prompter.Clear();
        return shown;
    }

    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
};
