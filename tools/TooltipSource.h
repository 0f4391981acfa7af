#pragma once
// Compiles the readable help-text source into the plain content of
// tooltip.dat: "name text<<" per block, code page 1251, blanks stored as '_'
// and line breaks as the two characters "\n". Inverting the bytes is left to
// the caller.

#include <istream>
#include <set>
#include <string>
#include <vector>

class TooltipSource {
public:
    // 0 and the content; else 1 with one "file:line: what" per fault.
    int Compile(const std::string& fileName, std::istream& in, std::string& content,
                std::vector<std::string>& errors);

private:
    int StartBlock(const std::string& line);
    int AddLine(const std::string& line);
    void FinishBlock(std::string& content);
    int Fail(const std::string& what);
    void Report(const std::string& where, const std::string& what);

    std::set<std::string> names_;
    std::string name_;
    std::vector<std::string> lines_;
    int blockLine_ = 0;
    std::string fileName_;
    std::string error_;
    std::vector<std::string>* errors_ = nullptr;
};
