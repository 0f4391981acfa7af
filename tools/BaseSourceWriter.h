#pragma once
// Writes records back in the readable base source form, one line per record.

#include "params/ParameterRecord.h"

#include <ostream>
#include <string>
#include <vector>

class BaseSourceWriter {
public:
    // 0 when the source compiles back into the same records; else 1, and
    // losses names every record whose fields the source form cannot carry
    // (the line is written anyway, without them).
    static int Write(const std::vector<ParameterRecord>& records, std::ostream& out,
                     std::vector<std::string>& losses);

private:
    static std::string Line(const ParameterRecord& record);
    static std::string Options(const ParameterRecord& record);
    static std::string Number(float value);
    static std::string Losses(const ParameterRecord& record);
};
