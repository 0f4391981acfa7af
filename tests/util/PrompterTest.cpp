#include "util/Prompter.h"

#include <gtest/gtest.h>

namespace {
class CountingPrompter : public Prompter {
public:
    int calls = 0;
    Prompt last;
    PromptAnswer ask(const Prompt& p) override {
        ++calls;
        last = p;
        return PromptAnswer::No;
    }
};
} // namespace

TEST(Prompter, InstalledPrompterReceivesBoxesAndRestoreWorks) {
    CountingPrompter counting;
    Prompter* before = InstallPrompter(&counting);
    EXPECT_EQ(ShowMessage("Текст", "", PromptIcon::Question, PromptButtons::YesNo),
              PromptAnswer::No);
    EXPECT_EQ(counting.calls, 1);
    EXPECT_EQ(counting.last.text, "Текст");
    EXPECT_EQ(counting.last.buttons, PromptButtons::YesNo);
    InstallPrompter(before);
    EXPECT_NE(&ActivePrompter(), static_cast<Prompter*>(&counting));
}
