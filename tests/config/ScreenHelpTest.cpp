// Every parameter a screen of the wizard shows can be explained: the shipped
// help file (or a built-in comment) has a text for it.
#include "ShippedBase.h"
#include "config/PageKinds.h"
#include "config/ParametersByIndex.h"
#include "config/ScreenLists.h"
#include "params/ParameterHelp.h"
#include "sim/ControllerModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kAddressBits = 8;

TEST(ScreenHelpTest, EveryParameterOfEveryScreenHasAHelpText) {
    ASSERT_EQ(Shipped().loadResult, 0);
    const std::string tooltip = ProgramDirectory() + "tooltip.dat";
    std::set<std::string> checked, missing;
    auto check = [&](const std::string& name, int index) {
        const Parameter* p = AtIndex(ParametersNamed(Shipped().table, name), index);
        ASSERT_NE(p, nullptr) << name << ':' << index;
        if (!checked.insert(name + ':' + std::to_string(index)).second)
            return;
        const ParameterHelp help = GetParameterHelp(*p, kAddressBits, tooltip);
        if (help.comment.empty())
            missing.insert(name);
    };
    for (int modification = 1; modification <= 6; ++modification) {
        for (const ScreenUse& use :
             ReachableScreens(modification, ControllerModel::MaxChannels(modification))) {
            for (const ResolvedReference& ref :
                 ResolveReferenceList(ScreenReferences(use.screen), use.baseIndex, modification))
                check(ref.name, ref.index);
            if (const auto selector = SelectorOfKind(use.kind, modification, use.position))
                check(selector->name, selector->index);
        }
    }
    EXPECT_GT(checked.size(), 300u); // every channel's screens were walked
    std::string names;
    for (const std::string& name : missing)
        names += name + ' ';
    EXPECT_TRUE(missing.empty()) << "no help text for: " << names;
}

} // namespace
