#pragma once
// A controller's configuration as readable text (UTF-8), one parameter a
// line: "NAME[INDEX] = VALUE  # caption" ("NAME = VALUE" without an index),
// grouped under "# ..." titles by channel and block, the modification and
// the channel count first. A value the controller would not give is kept as
// "Нет данных" with the reason in its comment. The last line states how many
// values the file holds, so that a file cut short is known for one.

#include <string>
#include <vector>

class Parameter;

struct ConfigurationEntry {
    std::string name;
    int index = 0;
    bool indexed = false;
    std::string value;
    bool unread = false; // "Нет данных": not read when the file was made
    int line = 0;        // in the file, from 1
};

// The text of the parameters, which must all be configuration (GroupOf);
// heading lines come first, the end line last. A parameter whose value is
// "Нет данных" is written as unread, its message as the reason.
std::string FormatConfiguration(std::vector<const Parameter*> parameters,
                                const std::vector<std::string>& heading);

// Whether a comes before b in a file: by unit, block and index.
bool ConfigurationOrder(const Parameter& a, const Parameter& b);
// Puts configuration parameters in file order.
void SortForConfiguration(std::vector<const Parameter*>& parameters);

// The file's bytes (UTF-8, with or without a byte-order mark, or code page
// 1251) to entries. Without partial the end line must be there and its
// count right. 0, or -1 with the reason in error ("Строка N: ..." for a
// line); nothing is taken then.
int ParseConfiguration(const std::string& bytes, bool partial,
                       std::vector<ConfigurationEntry>& entries, std::string& error);
