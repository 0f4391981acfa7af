// The lookup for callers that cannot go on without the parameter: a miss is
// named to the operator once, a hit shows nothing.

#include "config/FindShown.h"
#include "params/ParameterTable.h"
#include "util/PrompterGuard.h"
#include "util/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FindShownTest, AMissIsNamedOnceAndAHitSilently) {
    ScriptedPrompter prompter;
    PrompterGuard guard{prompter};
    ParameterTable table;
    Parameter* count = table.Adopt(std::make_unique<Parameter>("n.Ch"));

    EXPECT_EQ(FindShown(table, "N.CH", 0), count);
    EXPECT_TRUE(prompter.Shown().empty());

    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(FindShown(table, "rel.a", 3), nullptr);
    const std::vector<Prompt> shown = prompter.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Не найден параметр rel.a в основной таблице параметров!");
    EXPECT_TRUE(prompter.Unexpected().empty());
}

} // namespace
