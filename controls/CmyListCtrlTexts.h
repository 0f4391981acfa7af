#pragma once
// The list's own texts: how cells show values and what the operator is told
// about a value out of range.

#include <string>

class Parameter;

namespace CmyListCtrlTexts {

// What an edit box and the name and value columns show for "Нет данных".
inline constexpr const char* kNotAvailable = "Н/Д";
// A value cell whose read is under way.
inline constexpr const char* kReading = "читаю...";

// The text a cell of the column shows for text.
std::string CellText(int column, const std::string& text);
// Typed text as the value it stands for ("Н/Д" is "Нет данных").
std::string TypedValue(const std::string& text);
// The warning when text cannot be given to the parameter.
std::string RangeMessage(const Parameter& parameter, const std::string& text);
// Title and body of the edit box's hint.
std::string EditTipTitle(const Parameter& parameter);
std::string EditTipText(const Parameter& parameter);
// The name a port-settings parity number stands for; false for a text that
// holds no number, which then stays as it is.
bool ParityName(const std::string& value, std::string& name);

} // namespace CmyListCtrlTexts
