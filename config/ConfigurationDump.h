#pragma once
// The controller's whole configuration into a configuration file: what
// `zrk640ctl dump` and the wizard's finish page write.

#include <functional>
#include <string>
#include <vector>

class DeviceOperations;
class Parameter;
class ParameterTable;

// The value of "dev" or "ver", read whether or not the base describes it;
// kNoData when it does not answer.
std::string ReadIdentityText(DeviceOperations& ops, const char* name);

// The file's text of the values read, with the controller's identity.
std::string ConfigurationText(DeviceOperations& ops, const std::vector<const Parameter*>& read,
                              const std::string& source);

// Where the file's text goes (a file replaced whole, standard output, ...):
// 0, or -1 with the reason.
using ConfigurationWriter =
    std::function<int(const std::string& path, const std::string& text, std::string& reason)>;

// What a dump saved: the count of values read, and "NAME[INDEX]: reason" of
// those it could not read (marked unread in the file).
struct DumpOutcome {
    int saved = 0;
    std::vector<std::string> unread;
};

// The file could not be written.
inline constexpr int kDumpNotWritten = 100;

// Reads every configuration value, with progress after each, and hands the
// whole text to write, or nothing; source names the writer in the file's
// first line. 0, or the read's result (or kDumpNotWritten) with the reason
// in error, nothing written then.
int DumpConfiguration(DeviceOperations& ops, const ParameterTable& table, const std::string& path,
                      const std::string& source, const std::function<void(int, int)>& progress,
                      const ConfigurationWriter& write, DumpOutcome& outcome, std::string& error);
