#pragma once
// tooltip.dat: help texts stored with every byte inverted. Records end with
// "<<"; a record's first token is the parameter name, the second its text
// ('_' for a blank, the two characters "\n" for a line break).

#include <string>

class TooltipFile {
public:
    // 0 and text (UTF-8, as stored) when name has a record with a text; 1 when
    // the file cannot be read or holds no such text. Read anew on every call.
    static int Lookup(const std::string& path, const std::string& name, std::string& text);

    // The stored form of plain code-page 1251 text.
    static std::string Invert(std::string bytes);

private:
    static bool SameName(const std::string& a, const std::string& b);
};
