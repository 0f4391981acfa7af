// The connection pages driven by keyboard against the simulator: where the
// welcome page leads, the link check, the port page's writes and its refusals.
#include "WizardOnSim.h"

#include "controls/CmyListCtrl.h"
#include "pages/ConnectionCheckPage.h"
#include "pages/PortSelectionPage.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <set>

namespace {

constexpr int kWelcome = 137;
constexpr int kCheck = 136;
constexpr int kPorts = 193;
constexpr int kWrongDevice = 141;
constexpr int kModification = 106;
constexpr const char* kCheckTitle = "Проверка сети и настройка сетевых параметров";
constexpr const char* kExitQuestion = "Хотите выйти из программы?";

Simulator::Options WithLink(LinkConfig link) {
    Simulator::Options options;
    options.link = link;
    return options;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ConnectionPages : public WizardOnSim {
protected:
    void Key(QWidget* widget, Qt::Key key) {
        ASSERT_TRUE(widget && widget->isVisible() && widget->isEnabled());
        QTest::keyClick(widget, key);
        ASSERT_TRUE(WaitIdle());
    }

    // The list's own keys: F2 opens a row's editor, the arrows step its
    // choices, Enter takes the one shown.
    void ChooseInList(int row, const std::string& value) {
        auto* list = Control<CmyListCtrl>(ConnectionCheckPage::kListId);
        ASSERT_NE(list, nullptr);
        for (int step = 0; step < 12 && list->CellText(row, 2) != value; ++step) {
            list->setFocus();
            list->FocusRow(row);
            Key(list, Qt::Key_F2);
            const bool down = std::stoi(value) > std::stoi(list->CellText(row, 2));
            Key(list->Combo(), down ? Qt::Key_Down : Qt::Key_Up);
            Key(list->Combo(), Qt::Key_Return);
        }
        ASSERT_EQ(list->CellText(row, 2), value);
    }

    void Click(int controlId) {
        auto* button = Control<QPushButton>(controlId);
        ASSERT_TRUE(button && button->isVisible() && button->isEnabled()) << controlId;
        button->click();
        ASSERT_TRUE(WaitIdle());
    }

    std::string Cell(int row) {
        return Control<CmyListCtrl>(ConnectionCheckPage::kListId)->CellText(row, 2);
    }

    std::string LastBox() {
        const auto shown = prompter.Shown();
        return shown.empty() ? std::string() : shown.back().text;
    }

    std::vector<std::string> PortNamesListed() {
        auto* ports = Control<QComboBox>(PortSelectionPage::kPortListId);
        std::vector<std::string> names;
        for (int i = 0; i < ports->count(); ++i)
            names.push_back(ports->itemData(i).toString().toStdString());
        return names;
    }
};

TEST_F(ConnectionPages, ANameInLowerCaseIsTheExpectedModel) {
    Simulator::Options options;
    options.model.model = "zrk640";
    StartWizard(options);
    EXPECT_EQ(wizard().windowTitle().toStdString(), "Мастер конфигурирования ZRK640");
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
    Key(Button(WizardSheet::kNextId), Qt::Key_Return);
    EXPECT_EQ(ActivePageId(), kModification);
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(ConnectionPages, AnotherModelLeavesOnlyExitAndEnterPressesIt) {
    Simulator::Options options;
    options.model.model = "ZRK320";
    StartWizard(options);
    Key(Button(WizardSheet::kNextId), Qt::Key_Return);
    ASSERT_EQ(ActivePageId(), kWrongDevice);
    EXPECT_EQ(wizard().windowTitle().toStdString(), "Прибор не ZRK640");
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_EQ(wizard().focusWidget(), Button(WizardSheet::kExitId));
    prompter.Script(PromptAnswer::No);
    QTest::keyClick(Control<QLabel>(1027), Qt::Key_Return);
    EXPECT_EQ(LastBox(), kExitQuestion);
    EXPECT_EQ(ActivePageId(), kWrongDevice);
}

// Baud rate wrong, then corrected in the list: the check decides Next.
TEST_F(ConnectionPages, TheCheckFindsTheControllerOnceTheBaudRateIsRight) {
    LinkConfig start;
    start.baud = 19200;
    StartWizard(WithLink(start));
    Key(Button(WizardSheet::kNextId), Qt::Key_Return);
    ASSERT_EQ(ActivePageId(), kCheck);
    EXPECT_EQ(wizard().windowTitle().toStdString(), kCheckTitle);
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_EQ(Cell(0), "9600");
    EXPECT_EQ(Cell(2), "Отсутствует");

    prompter.Script(PromptAnswer::Ok);
    Click(ConnectionCheckPage::kCheckId);
    EXPECT_TRUE(Contains(LastBox(), "Связь не установлена"));
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());

    ChooseInList(0, "19200");
    EXPECT_FALSE(Button(WizardSheet::kNextId)->isEnabled());
    prompter.Script(PromptAnswer::Ok);
    Click(ConnectionCheckPage::kCheckId);
    std::string version, modification;
    ASSERT_TRUE(sim().Value("ver", 0, version));
    ASSERT_TRUE(sim().Value("mod.v", 0, modification));
    EXPECT_EQ(LastBox(), "Связь с прибором установлена.\n\nПрибор: ZRK640.\nВерсия прошивки: " +
                             version + ".\nМодификация: " + modification +
                             ".\n\nНажмите \"Вперед\" для продолжения.");
    EXPECT_EQ(link().Settings().GetValueByName(kBaudName), "19200");
    ASSERT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    Key(Button(WizardSheet::kNextId), Qt::Key_Return);
    EXPECT_EQ(ActivePageId(), kModification);
    EXPECT_TRUE(NewJournal().empty());
}

// The operator starts on a port that is gone, resets the settings, picks the
// adapter and applies: refused while the front panel holds the controller,
// taken once it is free. The port list stays as the system has it.
TEST_F(ConnectionPages, ThePortPageReopensThePortAndAppliesTheStandardSettings) {
    LinkConfig start;
    start.addressLength = 11;
    start.parity = 2;   // a pty carries neither parity
    start.dataBits = 7; // nor data bits, so the wizard talks at 8N1
    Simulator::Options options = WithLink(start);
    options.menu = true;
    StartWizard(options);
    const std::string simPath = link().Settings().GetValueByName(kPortName);
    QTemporaryDir system;
    ASSERT_TRUE(QDir(system.path()).mkpath("sys/ttyUSB7/device"));
    ASSERT_TRUE(QDir(system.path()).mkpath("dev/serial/by-id"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(simPath), system.filePath("dev/ttyUSB7")));
    ASSERT_TRUE(QFile::link("../../ttyUSB7", system.filePath("dev/serial/by-id/usb-Brisko-if00")));
    const std::string adapter = system.filePath("dev/serial/by-id/usb-Brisko-if00").toStdString();
    auto* page = static_cast<PortSelectionPage*>(wizard().FindPageById(kPorts));
    page->UsePorts(PortEnumerator(system.filePath("sys").toStdString(),
                                  system.filePath("dev").toStdString(),
                                  system.filePath("dev/serial/by-id").toStdString()));
    const std::string gone = system.filePath("dev/ttyUSB3").toStdString();
    link().Settings().SetValueByName(kPortName, gone);
    link().Settings().SetValueByName(kAddressLengthName, "11");
    link().Port().close();
    link().configure_port();

    Key(Button(WizardSheet::kNextId), Qt::Key_Return);
    ASSERT_EQ(ActivePageId(), kCheck);
    prompter.Script(PromptAnswer::Ok);
    Click(ConnectionCheckPage::kDefaultsId);
    ASSERT_EQ(ActivePageId(), kPorts);
    EXPECT_TRUE(Contains(LastBox(), "Неудается открыть порт " + gone));
    EXPECT_TRUE(Contains(LastBox(), "не найден")) << LastBox();
    EXPECT_EQ(Button(WizardSheet::kBackId)->text().toStdString(), "&Отмена");
    EXPECT_FALSE(Button(WizardSheet::kBackId)->isEnabled());
    EXPECT_EQ(link().Settings().GetValueByName(kAddressLengthName), "11");
    EXPECT_EQ(link().Settings().GetValueByName(kPortName), gone);
    EXPECT_EQ(PortNamesListed(), (std::vector<std::string>{adapter, gone}));
    auto* ports = Control<QComboBox>(PortSelectionPage::kPortListId);
    EXPECT_EQ(ports->currentIndex(), 1);
    EXPECT_EQ(ports->itemText(0).toStdString(), "ttyUSB7 (usb-Brisko-if00)");
    EXPECT_EQ(wizard().focusWidget(), ports);
    Key(ports, Qt::Key_Up);
    EXPECT_EQ(link().Settings().GetValueByName(kPortName), gone) << "not chosen before Enter";
    Key(ports, Qt::Key_Return);
    EXPECT_EQ(ActivePageId(), kPorts);
    EXPECT_EQ(link().Settings().GetValueByName(kPortName), adapter);

    prompter.Clear();
    prompter.Script(PromptAnswer::Ok); // the device check
    prompter.Script(PromptAnswer::Ok); // the refusal
    Key(ports, Qt::Key_Return);
    EXPECT_EQ(ActivePageId(), kPorts);
    ASSERT_EQ(prompter.Shown().size(), 2u);
    EXPECT_EQ(prompter.Shown()[0].caption, "Проверка прибора");
    EXPECT_TRUE(Contains(prompter.Shown()[0].text, "Прибор: ZRK640"));
    EXPECT_TRUE(Contains(LastBox(), "\"bPS\"")) << LastBox();
    EXPECT_TRUE(Contains(LastBox(), link().Settings().FindByName(kBaudName)->message));
    EXPECT_FALSE(link().Settings().FindByName(kBaudName)->message.empty());
    EXPECT_TRUE(NewJournal().empty());
    EXPECT_EQ(sim().ActiveLink(), start);

    sim().SetMenu(false);
    prompter.Script(PromptAnswer::Ok);
    Key(ports, Qt::Key_Return);
    ASSERT_EQ(ActivePageId(), kCheck);
    const std::vector<std::string> journal = NewJournal();
    const std::vector<std::string> written = {"bPS", "LEn", "PrtY", "Sbit", "Addr", "APLY"};
    ASSERT_EQ(journal.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(journal[i].rfind(written[i], 0), 0u) << journal[i];
    LinkConfig standard;
    standard.addressLength = 11;
    EXPECT_EQ(sim().ActiveLink(), standard);
    EXPECT_EQ(wizard().windowTitle().toStdString(), kCheckTitle);
    EXPECT_EQ(Button(WizardSheet::kBackId)->text().toStdString(), "< &Назад") << "as on every page";
    EXPECT_TRUE(Button(WizardSheet::kNextId)->isEnabled());
    EXPECT_EQ(Cell(6), adapter);
    EXPECT_EQ(Cell(4), "11");

    // Two more showings: the list is the system's, once each.
    for (int showing = 0; showing < 2; ++showing) {
        Click(ConnectionCheckPage::kDefaultsId);
        ASSERT_EQ(ActivePageId(), kPorts);
        EXPECT_EQ(PortNamesListed(), std::vector<std::string>{adapter});
        prompter.Script(PromptAnswer::Ok);
        Key(Control<QComboBox>(PortSelectionPage::kPortListId), Qt::Key_Return);
        ASSERT_EQ(ActivePageId(), kCheck);
    }
}

// Exit during the name read on a silent line: asked at once, closed at once.
TEST_F(ConnectionPages, ExitDuringTheNameReadOnASilentLineClosesAtOnce) {
    Simulator::Options options;
    options.faults.silentAfter = 0;
    StartWizard(options);
    Button(WizardSheet::kNextId)->click();
    ASSERT_TRUE(wizard().IsProcedureRunning());
    ASSERT_TRUE(Button(WizardSheet::kExitId)->isEnabled());
    prompter.Script(PromptAnswer::Yes);
    QElapsedTimer clock;
    clock.start();
    Button(WizardSheet::kExitId)->click();
    EXPECT_EQ(LastBox(), kExitQuestion);
    EXPECT_TRUE(WaitUntil([this] { return !wizard().isVisible(); }, 1000))
        << "still open after " << clock.elapsed() << " ms";
    EXPECT_EQ(ActivePageId(), 0);
}

} // namespace
