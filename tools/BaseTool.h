#pragma once
// The build tool's commands: compile the parameter base source, dump a base
// back into source form, encode the help texts, convert the descriptions.

#include <ostream>
#include <string>
#include <vector>

class BaseTool {
public:
    // args without the program name; 0 success, 1 bad input, 2 bad usage.
    // Errors go to err; an output file is written whole or not at all.
    static int Run(const std::vector<std::string>& args, std::ostream& err);

private:
    static int Compile(const std::string& source, const std::string& target, std::ostream& err);
    static int Dump(const std::string& base, const std::string& target, std::ostream& err);
    static int Tooltip(const std::string& source, const std::string& target, std::ostream& err);
    static int Rtf(const std::string& source, const std::string& target, std::ostream& err);
    static int ReadFile(const std::string& path, std::string& bytes, std::ostream& err);
    static int WriteFile(const std::string& path, const std::string& bytes, std::ostream& err);
    static int Report(const std::vector<std::string>& errors, std::ostream& err);
};
