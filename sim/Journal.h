#pragma once
// What the simulated controller accepted: one line per accepted write,
// "NAME[INDEX]=TEXT" (with " #N", the choice number, for a choice
// parameter), and one per applied command. Kept in memory and, when a file
// is given, appended to it and flushed at once, so a test, the demo or an
// operator sees exactly what was done to the controller. Several controllers
// on one line share one journal, each line tagged with its controller.

#include "params/Parameter.h"

#include <fstream>
#include <string>
#include <vector>

class Journal {
public:
    // false with error when the file cannot be opened for appending.
    bool Open(const std::string& path, std::string& error);

    // tag: empty, or "ADDRESS: " of one of several controllers.
    void Wrote(const std::string& tag, const Parameter& p, const std::string& text);
    void Applied(const std::string& tag, const std::string& command);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Add(std::string line);

    std::vector<std::string> lines_;
    std::ofstream file_;
};
