#pragma once
// Writing a configuration file into the controller: only what differs, in
// the order the values depend on each other (modification, channel count
// through the channel configuration, the parameters by channel and block,
// the output-element links in two passes, the link settings last through
// the safe link change), each value read back. Runs as one sequence on the
// line; questions go through the prompter.

#include "config/ConfigurationCheck.h"
#include "config/ModificationChange.h"
#include "device/LineSilence.h"

#include <string>
#include <vector>

class AbortEvent;
class ConfigurationProgress;
class DeviceLink;

struct RestoreOptions {
    bool modification = false; // may switch the modification (discards every setting)
    bool network = false;      // may change the address and the link settings
};

// The commissioning report: one line per value, and the counts.
struct RestoreReport {
    std::vector<std::string> lines;
    // The lines of the values that did not take.
    std::vector<std::string> notTaken;
    int changed = 0;
    // Refused, stored otherwise, unread in the file, or left alone for want of an option.
    int refused = 0;

    void Change(const std::string& line) {
        lines.push_back(line);
        ++changed;
    }
    void Refuse(const std::string& line) {
        lines.push_back(line);
        notTaken.push_back(line);
        ++refused;
    }
};

class ConfigurationRestore {
public:
    ConfigurationRestore(DeviceOperations& ops, DeviceLink& link, ConfigurationProgress& progress,
                         const AbortEvent& exit)
        : ops(ops), link(link), progress(progress), exit(exit) {}

    // Called after each read of a comparison, and after each value written.
    void SetProgress(ConfigurationBackup::Progress reads, ConfigurationBackup::Progress writes);
    void SetChangeTiming(const ModificationChange::Timing& timing) { changeTiming = timing; }

    // Reads the file's values from the controller: what differs. 0, or the
    // first failed read's result with every value not read in error.
    int Differences(const CheckedConfiguration& checked,
                    std::vector<ConfigurationDifference>& out, std::string& error);

    // Writes the differences Differences found, comparing again after a
    // change of the modification or the count. 0 when every one was written;
    // 1 when some value was refused, left alone or not written for a dead
    // line (report says which); else the result of a read that failed
    // (error), with report holding what was written before it.
    int Apply(const CheckedConfiguration& checked, std::vector<ConfigurationDifference> differences,
              const RestoreOptions& options, RestoreReport& report, std::string& error);

    // Differences, then Apply.
    int Run(const CheckedConfiguration& checked, const RestoreOptions& options,
            RestoreReport& report, std::string& error);

private:
    bool ChangeModification(const ConfigurationDifference& d, const RestoreOptions& options,
                            RestoreReport& report);
    void ChangeChannelCount(const ConfigurationDifference& d, RestoreReport& report);
    void WriteLinks(const std::vector<ConfigurationDifference>& links, RestoreReport& report);
    void ChangeNetwork(const std::vector<ConfigurationDifference>& network,
                       const RestoreOptions& options, RestoreReport& report);
    void Write(Parameter& p, const std::string& wanted, RestoreReport& report);
    void CountWrite();
    // Lines the file marks unread: nothing to write, each said.
    static void ReportUnread(const std::vector<std::string>& keys, RestoreReport& report);
    bool LineDead(const Parameter& p, RestoreReport& report);

    DeviceOperations& ops;
    DeviceLink& link;
    ConfigurationProgress& progress;
    const AbortEvent& exit;
    ModificationChange::Timing changeTiming;
    ConfigurationBackup::Progress readProgress, writeProgress;
    int toWrite = 0, written = 0; // the values to write after the comparison, and those done
    LineSilence silence; // of the writes and read-backs
};
