#pragma once
// Control positions come in dialog units, as the page layouts were drawn:
// a horizontal unit is a quarter of the dialog font's average letter width,
// a vertical one an eighth of its height. So every page grows with the font
// the desktop gives the program.

#include <QRect>
#include <QSize>

class DialogUnits {
public:
    // Pixels per unit in the application font as it is now.
    static double PixelsPerUnitX();
    static double PixelsPerUnitY();

    static int X(int units);
    static int Y(int units);
    static QSize Size(int width, int height);
    static QRect Rect(int x, int y, int width, int height);
};
