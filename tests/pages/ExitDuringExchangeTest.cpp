// Exit during every kind of exchange with the controller, on a slow line:
// the wizard closes within a second of the operator's "Да", its threads are
// gone and the settings file is whole.

#include "ChosenFiles.h"
#include "WizardWalk.h"

#include "controls/CmyListCtrl.h"
#include "device/NetRS485prg.h"
#include "config/ConfigurationDump.h"
#include "pages/ChannelCountPage.h"
#include "pages/ConfigurationDifferencesDialog.h"
#include "pages/ConnectionCheckPage.h"
#include "pages/GraphPage.h"
#include "pages/ModificationPage.h"
#include "pages/ParameterListPage.h"
#include "pages/PortSelectionPage.h"
#include "tests/link/TempDir.h"
#include "util/ReplaceFile.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>
#include <fstream>

namespace {

using namespace std::chrono_literals;
using List = ParameterListPage;

enum class Exchange {
    WelcomeRead,
    ConnectionCheck,
    PortWrites,
    ModificationPoll,
    ChannelConfiguration,
    ScreenRead,
    ListEdit,
    GraphRead,
    GraphWrite,
    LoadRead,
    LoadWrite,
};

// Replies just inside the reply time-out at 115200, or so late that every
// attempt of the identity reads times out: either way the procedure runs on
// for about a second or more unless the exit cuts it short.
constexpr int kSlowReplyMs = 100;
constexpr int kLateReplyMs = 5000;

struct ExitRow {
    const char* name;
    Exchange exchange;
    int replyDelayMs;
};

const ExitRow kExits[] = {
    {"WelcomeRead", Exchange::WelcomeRead, kLateReplyMs},
    {"ConnectionCheck", Exchange::ConnectionCheck, kLateReplyMs},
    {"PortWrites", Exchange::PortWrites, kSlowReplyMs},
    {"ModificationPoll", Exchange::ModificationPoll, kSlowReplyMs},
    {"ChannelConfiguration", Exchange::ChannelConfiguration, kSlowReplyMs},
    {"ScreenRead", Exchange::ScreenRead, kSlowReplyMs},
    {"ListEdit", Exchange::ListEdit, kSlowReplyMs},
    {"GraphRead", Exchange::GraphRead, kSlowReplyMs},
    {"GraphWrite", Exchange::GraphWrite, kSlowReplyMs},
    {"LoadRead", Exchange::LoadRead, kSlowReplyMs},
    {"LoadWrite", Exchange::LoadWrite, kSlowReplyMs},
};

// Modification 1 with one channel; the poll row starts the controller in
// another modification.
const WalkRow kWalk{"M1x1", 1, 1, false, {}};
const WalkRow kChangingWalk{"M1x1change", 1, 1, true, {}};

class ExitDuringExchange : public WizardWalk, public testing::WithParamInterface<ExitRow> {
protected:
    // Brings the wizard to the exchange on a clean line, slows the line and
    // starts the exchange; returns once it is under way.
    void BeginExchange(Exchange exchange) {
        Start(exchange == Exchange::ModificationPoll ? kChangingWalk : kWalk, {});
        ASSERT_FALSE(HasFatalFailure());
        switch (exchange) {
        case Exchange::WelcomeRead:
            return Slowly(Button(WizardSheet::kNextId), [this] { return Busy(); });
        case Exchange::ConnectionCheck:
            ShowPage(ConnectionCheckPage::kDialogId);
            return Slowly(Control<QPushButton>(ConnectionCheckPage::kCheckId),
                          [this] { return Busy(); });
        case Exchange::PortWrites:
            ShowPage(PortSelectionPage::kDialogId);
            return Slowly(Button(WizardSheet::kNextId), [this] { return Written("bPS"); });
        case Exchange::ModificationPoll:
            WalkTo(kChangingWalk, ModificationPage::kDialogId);
            static_cast<ModificationPage*>(wizard().GetActivePage())->SetChangeTiming({2000ms, 7});
            Control<QListWidget>(ModificationPage::kListId)->setCurrentRow(0);
            return Slowly(Button(WizardSheet::kNextId), [this] { return Written("ch.md"); });
        case Exchange::ChannelConfiguration: {
            WalkTo(kWalk, ChannelCountPage::kDialogId);
            std::string stored;
            ASSERT_TRUE(sim().Value("n.Ch", 0, stored));
            Choose(ChannelCountPage::kCountId, stored == "8" ? "1" : "8");
            return Slowly(Button(WizardSheet::kNextId), [this] { return Written("n.Ch"); });
        }
        case Exchange::ScreenRead:
            WalkTo(kWalk, List::kDialogId);
            ASSERT_TRUE(WaitTable());
            return Slowly(Button(WizardSheet::kNextId), [this] { return Busy(); });
        case Exchange::ListEdit:
            return EditPb();
        case Exchange::GraphRead:
            WalkUntil(kWalk, [this] { return Usable(Control<QPushButton>(List::kGraphButtonId)); });
            return Slowly(Control<QPushButton>(List::kGraphButtonId), [this] { return Busy(); });
        case Exchange::GraphWrite:
            WalkUntil(kWalk, [this] { return Usable(Control<QPushButton>(List::kGraphButtonId)); });
            Control<QPushButton>(List::kGraphButtonId)->click();
            ASSERT_TRUE(WaitIdle());
            ASSERT_EQ(ActivePageId(), GraphPage::kDialogId);
            Control<QSpinBox>(GraphPage::kCountUpDownId)->setValue(2);
            return Slowly(Button(WizardSheet::kNextId), [this] { return Busy(); });
        case Exchange::LoadRead:
            WalkTo(kWalk, ModificationPage::kDialogId);
            ChooseLoad("Pb[0] = 30.0", "Pb[0] = 45.0");
            return Slowly(Control<QPushButton>(ModificationPage::kLoadId), [this] { return Busy(); });
        case Exchange::LoadWrite: {
            WalkTo(kWalk, ModificationPage::kDialogId);
            // Enough values that the writes outlast the exit.
            ChooseLoad("ind.t = 00:05", "ind.t = 00:10");
            Control<QPushButton>(ModificationPage::kLoadId)->click();
            ASSERT_TRUE(WaitIdle());
            auto* dialog = wizard().findChild<ConfigurationDifferencesDialog*>();
            ASSERT_NE(dialog, nullptr);
            return Slowly(dialog->WriteButton(), [this] { return Written("ind.t"); });
        }
        }
    }

    // The controller's configuration saved with one value changed, and the
    // load's open dialog answered with it.
    void ChooseLoad(const std::string& from, const std::string& to) {
        DumpOutcome dumped;
        std::string error;
        const std::string path = dir.file("site.cfg");
        ASSERT_EQ(DumpConfiguration(wizard().Operations(), link().Table(), path, "тест", {},
                                    ReplaceFile, dumped, error),
                  0)
            << error;
        std::ifstream in(path);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        std::ofstream(path, std::ios::trunc) << text.replace(at, from.size(), to);
        chooser.path = path;
        static_cast<ModificationPage*>(wizard().GetActivePage())->SetFileChooser(&chooser);
    }

    // The regulator's "Pb" typed in the list, written from the list itself.
    void EditPb() {
        auto pbRow = [this] {
            CmyListCtrl* list = ActivePageId() == List::kDialogId && WaitTable()
                                    ? Control<CmyListCtrl>(List::kListId)
                                    : nullptr;
            const int row = list ? list->FindRow("Pb", -1) : -1;
            return row >= 0 && list->IsRowEnabled(row) ? row : -1;
        };
        WalkUntil(kWalk, [&] { return pbRow() >= 0; });
        CmyListCtrl& list = *Control<CmyListCtrl>(List::kListId);
        list.StartEdit(pbRow(), 2);
        ASSERT_NE(list.Edit(), nullptr);
        list.Edit()->setText("12.5");
        sim().SetFaults(Slow());
        list.AcceptEdit();
        ASSERT_TRUE(WaitUntil([this] { return Busy(); }, 2000));
    }

    ChosenPath chooser;
    TempDir dir;

    static FaultSettings Slow() {
        FaultSettings slow;
        slow.delayMs = GetParam().replyDelayMs;
        return slow;
    }

    // Slows the line, presses the button and waits until underWay holds.
    template <typename Condition> void Slowly(QPushButton* button, Condition underWay) {
        ASSERT_TRUE(Usable(button));
        sim().SetFaults(Slow());
        button->click();
        ASSERT_TRUE(WaitUntil(underWay, 5000)) << "the exchange did not start";
        ASSERT_TRUE(Busy()) << "the exchange ended before the exit";
    }

    static bool Usable(const QPushButton* button) {
        return button && button->isVisible() && button->isEnabled();
    }

    // The file as it was, or whole and holding exactly the wizard's settings.
    void ExpectSettingsIntact(const std::string& before) {
        if (SettingsFileBytes() == before)
            return;
        NetRS485prg stored;
        stored.BuildParameters();
        const auto held = link().Settings().Parameters();
        const auto read = stored.Parameters();
        ASSERT_EQ(read.size(), held.size());
        for (std::size_t i = 0; i < held.size(); ++i)
            EXPECT_EQ(read[i]->value, held[i]->value) << held[i]->name;
    }
};

TEST_P(ExitDuringExchange, ClosesWithinASecondAndLeavesTheSettingsWhole) {
    OperatorBoxes boxes(true); // "Да" to every question, the exit's too
    BeginExchange(GetParam().exchange);
    ASSERT_FALSE(HasFatalFailure());
    const std::string before = SettingsFileBytes();
    QElapsedTimer clock;
    clock.start();
    Button(WizardSheet::kExitId)->click();
    EXPECT_TRUE(WaitUntil([this] { return !wizard().isVisible(); }, 1000))
        << "still open after " << clock.elapsed() << " ms";
    RecordProperty("exit_ms", int(clock.elapsed()));
    const std::vector<std::string> texts = boxes.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Подтверждение: Хотите выйти из программы?"),
              texts.end());
    for (const QPointer<QThread>& worker : wizard().Workers().Workers())
        EXPECT_TRUE(!worker || worker->isFinished()) << worker->objectName().toStdString();
    ExpectSettingsIntact(before);
}

std::string ExitName(const testing::TestParamInfo<ExitRow>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Exchanges, ExitDuringExchange, testing::ValuesIn(kExits), ExitName);

} // namespace
