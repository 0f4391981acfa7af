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

class ConfigurationBackup {
public:
    // Called after each read with the count done and the count in all.
    using Progress = std::function<void(int done, int total)>;

    ConfigurationBackup(DeviceOperations& ops, const ParameterTable& table)
        : ops(ops), table(table) {}
    void SetProgress(Progress p) { progress = std::move(p); }
    // With a list, ReadAll goes on past a failed read and names it there,
    // unless the controller stops answering altogether.
    void KeepUnread(std::vector<const Parameter*>* list) { unread = list; }

    // Reads every configuration parameter of the table from the controller;
    // one it reports unknown is left out. 0, or the failed read's result with
    // "NAME[INDEX]: text" in error.
    int ReadAll(std::vector<const Parameter*>& read, std::string& error);

    // Matches the file's lines with the table: false with "Строка N: ..." in
    // error for an unknown name, a parameter that is no configuration or a
    // value its format refuses.
    bool Resolve(const std::vector<ConfigurationEntry>& entries,
                 std::vector<std::pair<Parameter*, std::string>>& resolved,
                 std::string& error) const;

    // Reads each resolved parameter and lists those whose value differs. 0,
    // or the failed read's result with its text in error.
    int Compare(const std::vector<std::pair<Parameter*, std::string>>& resolved,
                std::vector<ConfigurationDifference>& differences, std::string& error);

private:
    int Read(Parameter& p, std::string& error);

    DeviceOperations& ops;
    const ParameterTable& table;
    Progress progress;
    std::vector<const Parameter*>* unread = nullptr;
};
