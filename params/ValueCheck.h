#pragma once
// Whether a value typed outside the wizard's lists (a configuration file, the
// command line) is one the parameter takes and the controller can be sent:
// the format and limits of SetValue, and beyond them a choice of a list and
// a text the format can encode. The reason names what would be taken.

#include <string>

class Parameter;

class ValueCheck {
public:
    // true with the text SetValue stores in value; false with what the
    // parameter takes in detail (" (от 0 до 100)", ": возможные значения:
    // ...", or empty), to follow "недопустимое значение 'X' для параметра N".
    // p is not changed.
    static bool Check(const Parameter& p, const std::string& text, std::string& value,
                      std::string& detail);

    // "недопустимое значение 'X' для параметра N" and the detail; with
    // sentence, starting with a capital as a message of its own.
    static std::string RefusalText(const Parameter& p, const std::string& text,
                                   const std::string& detail, bool sentence = false);

private:
    static std::string LimitsText(const Parameter& p);
    static std::string ChoicesText(const Parameter& p);
};
