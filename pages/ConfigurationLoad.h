#pragma once
// Loading a configuration file from the modification page: the file checked
// whole (nothing is sent for a bad one), the controller read, the
// differences shown for the operator to confirm, then written in the order
// the values depend on each other and read back, and what did not take
// named. The address and the link settings stay the controller's own. Every
// exchange runs on the sheet's device worker.

#include "config/ModificationChange.h"
#include "shell/DialogFileChooser.h"

#include <QString>

#include <functional>
#include <memory>

class WizardPage;

class ConfigurationLoad {
public:
    // showModification selects the controller's modification on the page
    // after the load, before the wizard goes on.
    ConfigurationLoad(WizardPage& page, std::function<void(int modification)> showModification)
        : page(page), showModification(std::move(showModification)) {}

    // Tests answer the open dialog themselves (not owned).
    void SetFileChooser(FileChooser* chooser) { fileChooser = chooser; }
    void SetChangeTiming(const ModificationChange::Timing& timing) { changeTiming = timing; }

    // The operator's button: asks for the file, then goes step by step.
    void Start();

private:
    struct Job;

    void Check(const QString& path);
    void Compare(const std::shared_ptr<Job>& job);
    void Confirm(const std::shared_ptr<Job>& job);
    void Write(const std::shared_ptr<Job>& job);
    void Finish(const Job& job, int result);

    WizardPage& page;
    std::function<void(int)> showModification;
    DialogFileChooser dialogChooser;
    FileChooser* fileChooser = &dialogChooser;
    ModificationChange::Timing changeTiming;
};
