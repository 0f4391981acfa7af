#pragma once
// The list's own texts: how cells show values and what the edit box's hint
// says.

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
// Title and body of the edit box's hint.
std::string EditTipTitle(const Parameter& parameter);
std::string EditTipText(const Parameter& parameter);

} // namespace CmyListCtrlTexts
