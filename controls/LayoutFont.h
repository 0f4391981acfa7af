#pragma once
// The page layouts give some fonts in pixels, drawn for the 11-pixel dialog
// font ("MS Shell Dlg" 8 at 96 dpi). Those sizes grow with the application
// font, so a larger desktop font or QT_FONT_DPI reaches them too.

#include <QFont>

class LayoutFont {
public:
    static constexpr int kDialogFontPixels = 11;

    // A layout's pixel size in the application font as it is now.
    static int Pixels(int layoutPixels);
    // font in a layout's pixel size.
    static QFont Sized(QFont font, int layoutPixels);
};
