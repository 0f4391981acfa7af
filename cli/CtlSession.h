#pragma once
// One run of zrk640ctl: opens the link with the settings file and the
// command line's overrides, runs the command and gives the exit code.

#include "cli/BusSummary.h"
#include "cli/CtlOptions.h"
#include "config/ConfigurationCheck.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CtlSession {
public:
    // Exit codes.
    static constexpr int kSuccess = 0;
    static constexpr int kDeviceFailure = 1;
    static constexpr int kUsageError = 2;
    // A file named on the command line that cannot be read, written or taken:
    // the same code in every command.
    static constexpr int kFileError = kUsageError;
    static constexpr int kPortFailure = 3;

    explicit CtlSession(const CtlOptions& options) : options(options) {}
    int Run();

private:
    int OpenLink();
    void ApplyOverrides();
    int Read();
    int Write();
    int WriteChannelCount(Parameter& channelCount);
    int Check();
    void AddIdentityParameters();
    // Configuration files (CtlFileCommands.cpp).
    int Dump();
    int Diff();
    int DiffOnce(const CheckedConfiguration& checked, AddressRow& row);
    int Restore();
    int RestoreOnce(const CheckedConfiguration& checked, AddressRow& row);
    // Checks the file, then runs once on the line's address or on each of
    // --addresses.
    using OnceJob = int (CtlSession::*)(const CheckedConfiguration&, AddressRow&);
    int WithCheckedFile(bool comparing, OnceJob once);
    int Report(); // CtlReportCommand.cpp
    // The command's file, checked whole; kSuccess or the exit code (said).
    int ReadConfigurationFile(CheckedConfiguration& checked);
    // Several controllers on one line (CtlBusRun.cpp): job runs for each
    // address that answers; the summary table ends the run.
    int OnEachAddress(bool comparing, const std::function<void(AddressRow&)>& job);
    void UseAddress(int address);
    // Link settings (CtlLinkCommands.cpp).
    int Relink();
    int Scan();
    Parameter* Lookup(const std::string& word);
    int Finish(int result, Parameter& p);
    void FlushLog();

    const CtlOptions& options;
    DeviceLink link;
    DeviceOperations ops{link};
    std::unique_ptr<Parameter> standalone; // a parameter the base does not describe
    std::vector<std::string> log;
};

// The overrides as NetRS485 names and value texts (no port).
std::map<std::string, std::string> LinkSettingTexts(const LinkOverrides& overrides);
// Takes out of the file the address and the link settings, which stay
// each controller's own; says how many were left out.
void KeepOwnLinkSettings(CheckedConfiguration& checked);
// Prints text on stderr and gives code back.
int Fail(const std::string& text, int code);
