// The adapter pulled out in the middle of the wizard, twice: while the
// channels are reshaped and while a screen is read. Each time the operator
// is told within a second and nothing hangs; plugged in again, the operator
// presses on and the walk reaches the finish page.

#include "WizardWalk.h"

#include "pages/ChannelCountPage.h"
#include "pages/FinishPage.h"
#include "pages/ParameterListPage.h"

#include <QElapsedTimer>

#include <algorithm>
#include <filesystem>

namespace {

using List = ParameterListPage;

class UnpluggedLine : public WizardWalk {
protected:
    // Pulls the adapter once the exchange the button started is under way;
    // the one box that follows is the loss, said within
    // a second, and the wizard takes input again.
    template <typename Condition> void PullDuring(QPushButton* button, Condition underWay) {
        ASSERT_TRUE(button && button->isVisible() && button->isEnabled());
        FaultSettings slow;
        slow.delayMs = 100;
        sim().SetFaults(slow);
        button->click();
        ASSERT_TRUE(WaitUntil(underWay, 5000));
        const std::size_t shown = boxes.Texts().size();
        QElapsedTimer clock;
        clock.start();
        sim().SetLineUp(false);
        EXPECT_TRUE(WaitUntil([&] { return boxes.Texts().size() > shown; }, 1000))
            << "nothing said after " << clock.elapsed() << " ms";
        EXPECT_TRUE(WaitUntil([this] { return !Busy(); }, 1000))
            << "still busy after " << clock.elapsed() << " ms";
        const std::vector<std::string> texts = boxes.Texts();
        ASSERT_EQ(texts.size(), shown + 1);
        EXPECT_NE(texts.back().find(LostText()), std::string::npos) << texts.back();
        sim().SetFaults({});
        sim().SetLineUp(true);
        // The operator presses on once the adapter is back.
        const std::string port = link().Settings().GetValueByName(kPortName);
        ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(port); }, 2000));
    }

    std::string LostText() {
        return "Неудается открыть порт " + link().Settings().GetValueByName(kPortName) +
               ". Связь с сетью отсутствует. Проверьте сетевые параметры";
    }

    OperatorBoxes boxes{false};
};

TEST_F(UnpluggedLine, SaidWithinASecondAndTheWalkGoesOnOncePluggedIn) {
    WalkRow row{"M1", 1, 1, false, {}};
    lineByLink = true;
    Start(row, {});
    std::string stored;
    ASSERT_TRUE(sim().Value("n.Ch", 0, stored));
    row.channels = stored == "2" ? 1 : 2;
    WalkTo(row, ChannelCountPage::kDialogId);
    Choose(ChannelCountPage::kCountId, QString::number(row.channels));

    PullDuring(Button(WizardSheet::kNextId), [this] { return Written("n.Ch[0]="); });
    ASSERT_EQ(ActivePageId(), ChannelCountPage::kDialogId); // not taken for done
    Press(WizardSheet::kNextId);                            // plugged in: again
    ASSERT_EQ(ActivePageId(), List::kDialogId);
    ASSERT_TRUE(WaitTable());

    PullDuring(Button(WizardSheet::kNextId), [this] {
        auto* page = dynamic_cast<ParameterListPage*>(wizard().GetActivePage());
        return page && page->IsReadingTable();
    });
    EXPECT_EQ(ActivePageId(), List::kDialogId);
    WalkTo(row, FinishPage::kDialogId);

    std::string count;
    EXPECT_TRUE(sim().Value("n.Ch", 0, count));
    EXPECT_EQ(count, std::to_string(row.channels));
    const std::vector<std::string> texts = boxes.Texts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [this](const std::string& t) {
                                return t.find(LostText()) != std::string::npos;
                            }),
              2);
}

} // namespace
