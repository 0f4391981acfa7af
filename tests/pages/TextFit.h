#pragma once
// Finds the texts a window shows cut or elided: labels, buttons, drop-down
// lists, list headers and list cells whose text, measured in the widget's
// own font, needs more room than the widget gives it; and graph range labels
// outside their room or over one another.

#include <QWidget>

#include <string>
#include <vector>

// One line per text that does not fit: "<owner id>: <text>".
std::vector<std::string> CutTexts(const QWidget& window);
