#pragma once
// The page layouts name Windows font families. They are mapped onto installed
// families that have Cyrillic glyphs, keeping size and weight.

#include <QFont>
#include <QString>

class FontFallback {
public:
    static constexpr const char* kFallbackFamily = "DejaVu Sans";

    // Maps "MS Shell Dlg", "MS Sans Serif", "Arial", "Georgia" and
    // "Times New Roman" onto installed families and sets the dialog font.
    static void Install();

    // A font whose line height (ascent + descent) fits cellHeight pixels, as a
    // positive font height of the layouts means.
    static QFont CellHeightFont(const QString& family, int cellHeight, int weight);

    // The dialog font of the layouts: "MS Shell Dlg" 8.
    static QFont DialogFont();
};
