#pragma once
// Caption templates of the base source: {i}, {i+K}, {i-K}, {i/N+K} and
// {i%N+K} are replaced by integer arithmetic on the record's index.

#include <string>

class CaptionTemplate {
public:
    // 0 and the expanded caption; else error names the bad template.
    static int Expand(const std::string& caption, int index, std::string& out, std::string& error);

private:
    static bool Evaluate(const std::string& expression, int index, int& value);
};
