#include "tools/SourceText.h"

#include "util/CodePage1251.h"

#include <algorithm>
#include <cctype>

std::string SourceText::Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string SourceText::StripComment(const std::string& line) {
    return line.substr(0, line.find('#'));
}

std::vector<std::string> SourceText::Split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(Trim(text.substr(start, end - start)));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

std::string SourceText::Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool SourceText::IsUtf8(const std::string& text) {
    char32_t c = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!CodePage1251::DecodeUtf8(text, pos, c))
            return false;
    }
    return true;
}
