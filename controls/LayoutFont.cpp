#include "controls/LayoutFont.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

int LayoutFont::Pixels(int layoutPixels) {
    const int now = QFontInfo(QGuiApplication::font()).pixelSize();
    return std::max(1, int(std::lround(double(layoutPixels) * now / kDialogFontPixels)));
}

QFont LayoutFont::Sized(QFont font, int layoutPixels) {
    font.setPixelSize(Pixels(layoutPixels));
    return font;
}
