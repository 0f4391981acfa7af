#pragma once
// Small text helpers shared by the readers of the data sources.

#include <string>
#include <vector>

class SourceText {
public:
    static std::string Trim(const std::string& text);
    // Cuts a '#' comment off the line.
    static std::string StripComment(const std::string& line);
    // Trimmed pieces between separators.
    static std::vector<std::string> Split(const std::string& text, char separator);
    // ASCII lower case; parameter names are ASCII.
    static std::string Lower(std::string text);
    static bool IsUtf8(const std::string& text);
};
