#include "util/ScriptedPrompter.h"
#include "util/PrompterGuard.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedPrompter, AnswersInTurnAndRecordsEveryBox) {
    ScriptedPrompter scripted;
    PrompterGuard guard(scripted);
    scripted.Script(PromptAnswer::Yes);
    scripted.Script(PromptAnswer::Cancel);
    EXPECT_EQ(ShowMessage("Первый?", "", PromptIcon::Question, PromptButtons::YesNo),
              PromptAnswer::Yes);
    EXPECT_EQ(ShowMessage("Второй", "Заголовок", PromptIcon::Warning, PromptButtons::OkCancel),
              PromptAnswer::Cancel);
    const auto shown = scripted.Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "Второй");
    EXPECT_EQ(shown[1].caption, "Заголовок");
    EXPECT_EQ(shown[1].icon, PromptIcon::Warning);
    EXPECT_TRUE(scripted.Unexpected().empty());
    EXPECT_EQ(scripted.PendingAnswers(), 0u);
}

TEST(ScriptedPrompter, UnscriptedBoxIsUnexpectedAndGetsItsDefault) {
    ScriptedPrompter scripted;
    PrompterGuard guard(scripted);
    EXPECT_EQ(ShowMessage("Выйти?", "", PromptIcon::Question, PromptButtons::YesNoCancel),
              PromptAnswer::No);
    EXPECT_EQ(ShowMessage("Ошибка"), PromptAnswer::Ok);
    EXPECT_EQ(scripted.Unexpected().size(), 2u);
    EXPECT_EQ(scripted.UnexpectedTexts(), "Выйти?\nОшибка\n");
}

TEST(PrompterGuard, RestoresThePreviousPrompter) {
    ScriptedPrompter outer;
    ScriptedPrompter inner;
    PrompterGuard outerGuard(outer);
    {
        PrompterGuard innerGuard(inner);
        EXPECT_EQ(&ActivePrompter(), &inner);
    }
    EXPECT_EQ(&ActivePrompter(), &outer);
}

} // namespace
