#pragma once
// Writing a configuration file into the controller: only what differs, in
// the order the values depend on each other (modification, channel count
// through the channel configuration, the parameters by channel and block,
// the output-element links in two passes, the link settings last through
// the safe link change), each value read back. Runs as one sequence on the
// line; questions go through the prompter.

#include "config/ConfigurationBackup.h"
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
    int changed = 0;
    // Refused, stored otherwise, unread in the file, or left alone for want of an option.
    int refused = 0;
};

class ConfigurationRestore {
public:
    ConfigurationRestore(DeviceOperations& ops, DeviceLink& link, ConfigurationProgress& progress,
                         const AbortEvent& exit)
        : ops(ops), link(link), progress(progress), exit(exit) {}

    // A file that does not fit the base: nothing written, the reason in error.
    static constexpr int kBadFile = 100;

    // 0 when every difference was written; 1 when some value was refused,
    // left alone or not written for a dead line (report says which);
    // kBadFile; else the result of a read that failed (error), with report
    // holding what was written before it.
    int Run(const std::vector<ConfigurationEntry>& entries, const RestoreOptions& options,
            RestoreReport& report, std::string& error);

    // What Run refuses as kBadFile, checked without the line (false, error).
    bool Fits(const std::vector<ConfigurationEntry>& entries, std::string& error);

private:
    using Resolved = std::vector<std::pair<Parameter*, std::string>>;

    bool Resolve(const std::vector<ConfigurationEntry>& entries, Resolved& resolved,
                 std::vector<std::string>& unread, std::string& error);

    int Differences(const Resolved& resolved, std::vector<ConfigurationDifference>& out,
                    std::string& error);
    bool ChangeModification(const ConfigurationDifference& d, const RestoreOptions& options,
                            RestoreReport& report);
    void ChangeChannelCount(const ConfigurationDifference& d, RestoreReport& report);
    void WriteLinks(const std::vector<ConfigurationDifference>& links, RestoreReport& report);
    void ChangeNetwork(const std::vector<ConfigurationDifference>& network,
                       const RestoreOptions& options, RestoreReport& report);
    void Write(Parameter& p, const std::string& wanted, RestoreReport& report);
    // Lines the file marks unread: nothing to write, each said.
    static void ReportUnread(const std::vector<std::string>& keys, RestoreReport& report);
    bool LineDead(const Parameter& p, RestoreReport& report);

    DeviceOperations& ops;
    DeviceLink& link;
    ConfigurationProgress& progress;
    const AbortEvent& exit;
    LineSilence silence; // of the writes and read-backs
};
