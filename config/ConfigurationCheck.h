#pragma once
// A configuration file checked whole before the first request: its text, its
// lines against the parameter base, no two links on one output element.
// What `diff`, `restore` and the wizard's load start from, and the rows of
// the differences they show.

#include "config/ConfigurationBackup.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class Parameter;
class ParameterTable;

struct CheckedConfiguration {
    // The file's values on the table's parameters, blocks before their settings.
    std::vector<std::pair<Parameter*, std::string>> values;
    // "NAME[INDEX]" of the lines the file marks unread: nothing to write.
    std::vector<std::string> unread;
};

// A configuration file is a few hundred lines; anything far larger is no such file.
inline constexpr std::size_t kLargestConfigurationFile = 4 << 20;

// Matches the file's lines with the table: false with "Строка N: ..." in
// error for an unknown name, a parameter that is no configuration, a value
// it does not take or a modification outside 1..6, or with the two lines
// that link one output element.
bool CheckConfiguration(const ParameterTable& table, const std::vector<ConfigurationEntry>& entries,
                        CheckedConfiguration& checked, std::string& error);

// Reads the file at path and checks it whole; partial takes a file without
// its end line. False with the reason in error, naming the file.
bool LoadConfigurationFile(const std::string& path, bool partial, const ParameterTable& table,
                           CheckedConfiguration& checked, std::string& error);

// Takes the address and the link settings out: a configuration copied onto
// another controller keeps its link. True when the file held any.
bool LeaveOutNetworkSettings(CheckedConfiguration& checked);

// "op" and "rel.a": the links of output elements to channel blocks.
bool IsOutputLink(const Parameter& p);
// The number of p's choice with this text; -1 when it has none.
int ChoiceNumberOf(const Parameter& p, const std::string& text);

// One difference as it is shown.
struct DifferenceRow {
    std::string key;        // "NAME[INDEX]"
    std::string caption;
    std::string controller; // the value the controller holds
    std::string file;       // the file's value
};
std::vector<DifferenceRow> DifferenceRows(const std::vector<ConfigurationDifference>& differences);
