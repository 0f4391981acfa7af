#pragma once
// A controller's configuration as readable text (UTF-8), one parameter a
// line: "NAME[INDEX] = VALUE  # caption" ("NAME = VALUE" without an index),
// grouped under "# ..." titles by channel and block, the modification and
// the channel count first.

#include <string>
#include <vector>

class Parameter;

struct ConfigurationEntry {
    std::string name;
    int index = 0;
    bool indexed = false;
    std::string value;
    int line = 0; // in the file, from 1
};

// The text of the parameters, which must all be configuration (GroupOf);
// heading lines come first.
std::string FormatConfiguration(std::vector<const Parameter*> parameters,
                                const std::vector<std::string>& heading);

// Whether a comes before b in a file: by unit, block and index.
bool ConfigurationOrder(const Parameter& a, const Parameter& b);
// Puts configuration parameters in file order.
void SortForConfiguration(std::vector<const Parameter*>& parameters);

// 0, or -1 with "Строка N: ..." in error (nothing is taken then).
int ParseConfiguration(const std::string& text, std::vector<ConfigurationEntry>& entries,
                       std::string& error);
