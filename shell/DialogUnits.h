#pragma once
// Control positions come in dialog units (as the page layouts were drawn for
// "MS Shell Dlg" 8); one factor for the whole program keeps them in proportion.

#include <QRect>
#include <QSize>

class DialogUnits {
public:
    static constexpr double kPixelsPerUnitX = 1.5;
    static constexpr double kPixelsPerUnitY = 1.625;

    static int X(int units);
    static int Y(int units);
    static QSize Size(int width, int height);
    static QRect Rect(int x, int y, int width, int height);
};
