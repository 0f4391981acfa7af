#pragma once
// Compiles the readable parameter base source (data/parameters.txt) into
// records: named choice lists, index ranges and caption templates expanded.

#include "params/ParameterRecord.h"

#include <istream>
#include <map>
#include <set>
#include <string>
#include <vector>

class BaseSourceParser {
public:
    // 0 and every record in source order; else 1, and errors holds one
    // "file:line: what" per fault (the whole file is checked).
    int Parse(const std::string& fileName, std::istream& in, std::vector<ParameterRecord>& records,
              std::vector<std::string>& errors);

private:
    int ParseLine(const std::string& line, std::vector<ParameterRecord>& records);
    int ParseList(const std::string& line);
    int ParseParameter(const std::string& line, std::vector<ParameterRecord>& records);
    int ParseColumns(const std::vector<std::string>& columns, ParameterRecord& base);
    int ParseOptions(const std::string& text, ParameterRecord& record);
    int AddRecord(ParameterRecord record, const std::string& captionTemplate,
                  std::vector<ParameterRecord>& records);
    int ExpandLists(const std::string& text, std::string& out);
    int Fail(const std::string& what);

    std::map<std::string, std::string> lists_;
    std::set<std::string> keys_;
    std::string error_;
};
