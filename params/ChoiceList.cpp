#include "params/ChoiceList.h"

#include <algorithm>

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool same_ignoring_latin_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::string> choice_tokens(std::string_view format) {
    std::vector<std::string> tokens(1);
    for (char c : format) {
        if (c == ':')
            tokens.emplace_back();
        else
            tokens.back() += c == '_' ? ' ' : c;
    }
    return tokens;
}

int find_choice(std::string_view format, std::string_view text) {
    const std::vector<std::string> tokens = choice_tokens(format);
    const int count = std::min(static_cast<int>(tokens.size()), kMaxChoices);
    for (int i = 0; i < count; ++i)
        if (same_ignoring_latin_case(tokens[i], text))
            return i;
    return -1;
}
