#include "params/TooltipFile.h"

#include "util/CodePage1251.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

const char* const kSeparators = "\t <";

std::vector<std::string> Tokens(const std::string& record) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while ((pos = record.find_first_not_of(kSeparators, pos)) != std::string::npos) {
        const std::size_t end = record.find_first_of(kSeparators, pos);
        tokens.push_back(record.substr(pos, end - pos));
        pos = end;
    }
    return tokens;
}

} // namespace

std::string TooltipFile::Invert(std::string bytes) {
    for (char& c : bytes)
        c = static_cast<char>(~static_cast<unsigned char>(c));
    return bytes;
}

bool TooltipFile::SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

int TooltipFile::Lookup(const std::string& path, const std::string& name, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return 1;
    std::string content = Invert(std::string(std::istreambuf_iterator<char>(file), {}));
    // The text ends at its first zero byte, as a C string would.
    content.resize(std::min(content.find('\0'), content.size()));
    const std::string key = CodePage1251::FromUtf8(name);
    std::size_t pos = 0;
    for (std::size_t end; (end = content.find("<<", pos)) != std::string::npos; pos = end + 2) {
        const std::vector<std::string> tokens = Tokens(content.substr(pos, end - pos));
        if (tokens.empty() || !SameName(tokens[0], key))
            continue;
        if (tokens.size() < 2)
            return 1;
        text = CodePage1251::ToUtf8(tokens[1]);
        return 0;
    }
    return 1;
}
