#include "WizardOnSim.h"

#include "pages/ModificationPage.h"
#include "shell/WizardPage.h"

#include "util/SettingsStore.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <fstream>
#include <iterator>

namespace {

void WriteSettingsFile(const std::string& bytes) {
    std::ofstream(SettingsStore::default_path(), std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

WizardOnSim::~WizardOnSim() {
    dialog.reset();
    WriteSettingsFile(programSettings);
}

std::string WizardOnSim::SettingsFileBytes() {
    std::ifstream in(SettingsStore::default_path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WizardOnSim::StartWizard(Simulator::Options options) {
    // A second start begins afresh: a new controller and a new wizard.
    dialog.reset();
    device = std::make_unique<SimulatedDevice>();
    journalSeen = 0;
    std::string error;
    const std::string linkPath = lineByLink ? SettingsStore::default_path() + ".line" : "";
    ASSERT_TRUE(device->Start(error, options, linkPath)) << error;
    const std::string path = device->Link().Port().settings().port_name;
    // The test's own link only started the simulator: the wizard takes the line.
    device->Link().Port().close();
    WriteSettingsFile("port_name=" + path + "\n");
    dialog = std::make_unique<WizardMainDialog>();
    dialog->show();
    // The focus goes only to an active window, as on the operator's desktop.
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    // The device worker opens the port and inflates the parameter base first.
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(dialog->Link().Port().is_open()) << dialog->Link().Port().error_text();
}

void WizardOnSim::StartOnCountPage(int modification) {
    Simulator::Options options;
    options.model.modification = modification;
    StartWizard(options);
    ShowPage(ModificationPage::kDialogId);
    prompter.Script(PromptAnswer::No);
    Press(WizardSheet::kNextId);
}

bool WizardOnSim::WaitIdle(int limitMs) {
    // A page that reads on its own worker takes no input until it is done.
    const bool idle = WaitUntil(
        [this] {
            const WizardPage* page = dialog->GetActivePage();
            return !dialog->IsProcedureRunning() && (page == nullptr || page->isEnabled());
        },
        limitMs);
    // A desktop gives the wizard back its activation when a busy window
    // closes; the offscreen platform does not.
    if (!dialog->isActiveWindow())
        QApplication::setActiveWindow(dialog.get());
    return idle;
}

void WizardOnSim::Press(int buttonId) {
    QPushButton* button = Button(buttonId);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << "button " << buttonId;
    button->click();
    ASSERT_TRUE(WaitIdle());
}

int WizardOnSim::ActivePageId() const {
    WizardPage* page = dialog->GetActivePage();
    return page ? page->DialogId() : 0;
}

QPushButton* WizardOnSim::Button(int id) const {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

std::vector<std::string> WizardOnSim::NewJournal() {
    const std::vector<std::string> all = device->Sim().JournalLines();
    std::vector<std::string> fresh(all.begin() + std::min(journalSeen, all.size()), all.end());
    journalSeen = all.size();
    return fresh;
}

std::vector<std::string> WizardOnSim::ColumnTexts(const CmyListCtrl& list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts.push_back(list.CellText(row, column));
    return texts;
}

void WizardOnSim::ShowPage(int dialogId) {
    ASSERT_TRUE(dialog->ShowPageById(dialogId)) << "page " << dialogId;
    ASSERT_TRUE(WaitIdle());
}

void WizardOnSim::Choose(int listId, const QString& text) {
    auto* list = Control<QComboBox>(listId);
    ASSERT_NE(list, nullptr) << "list " << listId;
    ASSERT_TRUE(list->isVisible() && list->isEnabled()) << "list " << listId;
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString() << " in list " << listId;
    list->setCurrentIndex(index);
    emit list->activated(index);
    ASSERT_TRUE(WaitIdle());
}

QStringList WizardOnSim::Entries(int listId) const {
    QStringList entries;
    if (auto* list = Control<QComboBox>(listId))
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
    return entries;
}
