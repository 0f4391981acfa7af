#pragma once
// Changing the controller's own link settings without losing it: the new
// values are written, "APLY" makes them active, the port is reopened with
// them and the controller must answer. If it does not, the program goes back
// to the old settings and says how the operator gets the controller back.
// Blocks on the line: the wizard runs it on its device worker.
//
//   LinkSettingsChange change(link, ops);
//   const LinkChangeOutcome outcome = change.Run({{kBaudName, "19200"}}, report);

#include <map>
#include <string>
#include <vector>

class DeviceLink;
class DeviceOperations;

enum class LinkChangeOutcome {
    Unchanged,      // the controller already had these settings
    Changed,        // written, applied, and the controller answers with them
    NoAnswer,       // the controller could not be read before the change: nothing written
    Refused,        // a value or "APLY" was refused (said with the old settings): the old values are back
    BackToOld,      // no answer with the new settings; it answers with the old ones
    Lost,           // no answer with either: the operator must reset it on its front panel
};

class LinkSettingsChange {
public:
    // Names of NetRS485 ("bPS", "PrtY", ...) to value texts of its choices.
    using Settings = std::map<std::string, std::string>;

    LinkSettingsChange(DeviceLink& link, DeviceOperations& ops) : link(link), ops(ops) {}

    // report gets one line per step, for the operator.
    LinkChangeOutcome Run(const Settings& wanted, std::vector<std::string>& report);

    static bool Succeeded(LinkChangeOutcome o) {
        return o == LinkChangeOutcome::Unchanged || o == LinkChangeOutcome::Changed;
    }

    // After new settings were applied by other means (the wizard's port page
    // writes its own): true when the controller answers on the program's
    // settings; else the report says how the operator gets it back.
    bool Confirm(std::vector<std::string>& report);

private:
    bool Answers();
    void UseProgramSettings(const Settings& settings);
    void WriteBack(const Settings& old, std::vector<std::string>& report);
    LinkChangeOutcome Verify(const Settings& changed, const Settings& programOld,
                             const Settings& old, std::vector<std::string>& report);

    DeviceLink& link;
    DeviceOperations& ops;
};
