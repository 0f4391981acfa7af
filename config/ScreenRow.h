#pragma once
// One row of a parameter screen as its rules and its edit procedure see it:
// the parameter it shows and the state the page draws it in.

#include <string>

class Parameter;

struct ScreenRow {
    Parameter* parameter = nullptr; // null: a caption or a row without a value
    bool disabled = false;          // grey, not editable
    bool deferred = false;          // an accepted value waits for the page to write it
    std::string text;               // the value text shown, as the procedure left it
};
