#pragma once
// The entries of a screen's selector: the selector parameter's choices that
// the modification allows and, for the computing block, that its number of
// inputs can feed.

#include <string>
#include <vector>

class Parameter;

// inputs: the computing block's number of inputs ("n.in.c" 8p), read only
// for kinds 17-24.
std::vector<std::string> SelectorChoices(int kind, const Parameter& selector, int modification,
                                         int inputs);
