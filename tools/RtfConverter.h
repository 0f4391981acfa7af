#pragma once
// Turns an RTF description written in UTF-8 into a real code-page 1251 RTF
// file: Cyrillic as \'xx escapes, anything the code page lacks as \uN?.

#include <string>

class RtfConverter {
public:
    // 0 and the converted RTF; else 1 with error ("line N: what").
    static int Convert(const std::string& utf8, std::string& rtf, std::string& error);

private:
    static void AppendChar(std::string& rtf, char32_t c);
};
