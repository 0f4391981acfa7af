#pragma once
// A list format: choices separated by ':', '_' standing for a blank, the data
// byte being the choice number.

#include <string>
#include <string_view>
#include <vector>

// Choices that a value can be matched against.
inline constexpr int kMaxChoices = 127;

// Equal when only the case of Latin letters differs; other letters
// (Cyrillic) must match exactly.
bool same_ignoring_latin_case(std::string_view a, std::string_view b);

// The ':'-separated tokens, '_' shown as a blank.
std::vector<std::string> choice_tokens(std::string_view format);

// Number of the first choice equal to text (Latin case folded), -1 for none.
int find_choice(std::string_view format, std::string_view text);
