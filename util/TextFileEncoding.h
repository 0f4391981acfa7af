#pragma once
// The text of a file a person may have edited: UTF-8 (a byte-order mark at
// the start is dropped) or single-byte Cyrillic (code page 1251, as Windows
// editors save it), recognised and made UTF-8. Anything else is named.

#include <string>
#include <string_view>

class TextFileEncoding {
public:
    // 0 with the text as UTF-8; -1 with the reason in error (the encoding or
    // the byte that rules the file out, and its line).
    static int ToUtf8(std::string_view bytes, std::string& utf8, std::string& error);

private:
    static bool ValidUtf8(std::string_view text);
    static bool Cp1251Text(std::string_view text, std::string& error);
};
