// Every page of every modification shows its texts whole: walked from the
// welcome page to "Готово", each page is measured once it has settled. The
// same walk runs again at QT_SCALE_FACTOR=2 and with a 14 pt system font
// (see CMakeLists.txt).

#include "TextFit.h"
#include "WizardWalk.h"

#include "pages/ChannelFunctionsPage.h"
#include "pages/FinishPage.h"
#include "pages/GateValveChannelPage.h"

#include <set>

namespace {

using Functions = ChannelFunctionsPage;
using Gate = GateValveChannelPage;

const WalkRow kRows[] = {
    {"M1", 1, 2, false, {}, "", "", true},
    {"M2", 2, 1, false, {}},
    {"M3", 3, 1, false, {{Gate::kSensorId, "Да"}}},
    {"M4", 4, 1, false,
     {{Functions::kInspectorId, "Да"}, {Functions::kComputingId, "Да"}, {Functions::kInputsId, "2"},
      {Functions::kLbaId, "Есть контроль"}}},
    {"M5", 5, 2, false,
     {{Functions::kInspectorId, "Да"}, {Functions::kLbaId, "Есть контроль"},
      {Functions::kComputingId, "Квадратный корень"}}},
    {"M6", 6, 1, false,
     {{Gate::kSensorId, "Датчик положения"}, {Gate::kComputingId, "Да"},
      {Gate::kInspectorId, "Использовать"}, {Gate::kLbaId, "Есть контроль"}}},
};

class TextsWhole : public WizardWalk, public testing::WithParamInterface<WalkRow> {};

TEST_P(TextsWhole, NoTextIsCutOnAnyPage) {
    const WalkRow& row = GetParam();
    OperatorBoxes boxes(row.change);
    Start(row, {});
    ASSERT_FALSE(HasFatalFailure());
    std::set<std::string> cut;
    int pages = 0;
    WalkUntil(row, [&] {
        if (!Busy()) {
            ++pages;
            for (const std::string& text : CutTexts(wizard()))
                cut.insert("page " + std::to_string(ActivePageId()) + " " + text);
        }
        return ActivePageId() == FinishPage::kDialogId;
    });
    EXPECT_GT(pages, 5);
    for (const std::string& text : cut)
        ADD_FAILURE() << text;
}

INSTANTIATE_TEST_SUITE_P(Modifications, TextsWhole, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
