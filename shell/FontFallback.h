#pragma once
// The page layouts name Windows font families. They are mapped onto installed
// families that have Cyrillic glyphs. Sizes follow the desktop's own font:
// the layouts' pixel sizes were drawn for "MS Shell Dlg" 8 and grow with it.

#include <QFont>
#include <QString>

class FontFallback {
public:
    static constexpr const char* kFallbackFamily = "DejaVu Sans";
    // Maps "MS Shell Dlg", "MS Sans Serif", "Arial", "Georgia" and
    // "Times New Roman" onto installed families and sets the dialog font.
    static void Install();

    // A font whose line height (ascent + descent) fits a layout's cellHeight
    // pixels, as a positive font height of the layouts means.
    static QFont CellHeightFont(const QString& family, int cellHeight, int weight);

    // The family a layout's family is drawn in: itself where installed, else
    // its first installed stand-in, else itself for Qt's own fallback.
    static QString InstalledFamily(const QString& family);

    // The dialog font of the layouts: "MS Shell Dlg" in the desktop's size.
    static QFont DialogFont();
};
