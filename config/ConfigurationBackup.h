#pragma once
// Reading a controller's whole configuration, and setting it beside a
// configuration file: what `dump` and `diff` do, and what `restore` starts
// from.

#include "config/ConfigurationFile.h"

#include <functional>
#include <string>
#include <vector>

class DeviceOperations;
class Parameter;
class ParameterTable;

// One line of the file whose value the controller does not hold.
struct ConfigurationDifference {
    Parameter* parameter = nullptr; // the table's, holding the controller's value
    std::string wanted;             // the file's value
};

// The controller holds this value (same text, or the same bytes on the line).
bool SameValue(const Parameter& p, const std::string& a, const std::string& b);

// "NAME[INDEX]" or "NAME".
std::string ConfigurationKey(const Parameter& p);

// "NAME[INDEX]: reason" of every value a pass could not read.
std::vector<std::string> UnreadLines(const std::vector<const Parameter*>& read);

class ConfigurationBackup {
public:
    // Called after each read with the count done and the count in all.
    using Progress = std::function<void(int done, int total)>;

    ConfigurationBackup(DeviceOperations& ops, const ParameterTable& table)
        : ops(ops), table(table) {}
    void SetProgress(Progress p) { progress = std::move(p); }

    // Reads every configuration parameter of the table from the controller;
    // one it reports unknown is left out, one that could not be read is in
    // read with "Нет данных" and its message. When the line went dead, the
    // first failed read's result with one "NAME[INDEX]: text" line in error
    // for every value not read (and how many were left).
    int ReadAll(std::vector<const Parameter*>& read, std::string& error);

    // Reads each resolved parameter and lists those whose value differs. 0,
    // or the first failed read's result with every value not read in error.
    int Compare(const std::vector<std::pair<Parameter*, std::string>>& resolved,
                std::vector<ConfigurationDifference>& differences, std::string& error);

private:
    int ReadEach(const std::vector<Parameter*>& wanted, bool skipUnknown,
                 const std::function<void(std::size_t, bool)>& take, std::string& error,
                 bool& dead);

    DeviceOperations& ops;
    const ParameterTable& table;
    Progress progress;
};
