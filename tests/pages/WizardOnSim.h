#pragma once
// The whole wizard with its device link on the simulated controller's
// pseudo-terminal, message boxes scripted: pages are driven as an operator
// drives them and checked against the simulator's journal.

#include "GuiWait.h"
#include "ScriptedBoxes.h"
#include "SimulatedDevice.h"
#include "app/WizardMainDialog.h"
#include "controls/CmyListCtrl.h"

#include <QPushButton>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class WizardOnSim : public testing::Test {
protected:
    ~WizardOnSim() override;

    // Starts the simulator with options and a wizard whose link goes to it.
    // Each wizard gets a settings file of its own naming only the simulator's
    // line, so that what an earlier wizard stored at its exit cannot reach it.
    // Call from the test (or SetUp) before touching wizard().
    void StartWizard(Simulator::Options options = {});
    // Set before StartWizard: the wizard names the line by a symlink that
    // follows it when it is unplugged and plugged again (as /dev/serial/by-id).
    bool lineByLink = false;
    // The settings file's bytes as they are now.
    static std::string SettingsFileBytes();

    WizardMainDialog& wizard() { return *dialog; }
    Simulator& sim() { return device->Sim(); }
    DeviceLink& link() { return dialog->Link(); }

    // A controller in the modification, the wizard through the modification
    // page (settings kept) on the channel-count page.
    void StartOnCountPage(int modification);
    // Presses a button of the sheet (Back 12323, Next 12324, Exit 2) after
    // checking it can be pressed, then waits until the procedure it started ends.
    void Press(int buttonId);
    // Shows a page as a procedure's end would, then waits for what it started.
    void ShowPage(int dialogId);
    // Accepts the entry with text in the active page's list id, as the
    // operator does, then waits for the procedure the answer started.
    void Choose(int listId, const QString& text);
    // The entries of the active page's list id.
    QStringList Entries(int listId) const;
    // Waits until no device procedure runs and the active page takes input
    // again; false after the limit.
    bool WaitIdle(int limitMs = 10000);
    // The active page's template id; 0 when none.
    int ActivePageId() const;
    QPushButton* Button(int id) const;
    // A child of the active page by its template id.
    template <typename T> T* Control(int id) const {
        WizardPage* page = dialog->GetActivePage();
        return page ? page->findChild<T*>(QString::number(id)) : nullptr;
    }

    // The texts of one column of a list, top to bottom.
    static std::vector<std::string> ColumnTexts(const CmyListCtrl& list, int column);

    // The journal lines written since the last call.
    std::vector<std::string> NewJournal();

    ScriptedBoxes prompter;

private:
    std::unique_ptr<SimulatedDevice> device;
    std::unique_ptr<WizardMainDialog> dialog;
    std::size_t journalSeen = 0;
    std::string programSettings = SettingsFileBytes(); // the test program's own, put back at the end
};
