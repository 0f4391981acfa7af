#include "shell/FontFallback.h"

#include "controls/LayoutFont.h"

#include <QApplication>
#include <QFontMetrics>

void FontFallback::Install() {
    const QString sans = kFallbackFamily;
    const QString serif = "DejaVu Serif";
    for (const char* family : {"MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif", "Arial", "Tahoma"})
        QFont::insertSubstitutions(family, {sans});
    for (const char* family : {"Times New Roman", "Georgia"})
        QFont::insertSubstitutions(family, {serif, sans});
    QApplication::setFont(DialogFont());
}

QFont FontFallback::CellHeightFont(const QString& family, int cellHeight, int weight) {
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int room = LayoutFont::Pixels(cellHeight);
    int pixels = room;
    do {
        font.setPixelSize(pixels);
    } while (QFontMetrics(font).height() > room && --pixels > 1);
    return font;
}

// The desktop's size, in points where it gives one: so QT_FONT_DPI and a
// larger system font both reach every page.
QFont FontFallback::DialogFont() {
    const QFont desktop = QApplication::font();
    QFont font("MS Shell Dlg");
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF());
    else
        font.setPixelSize(desktop.pixelSize());
    return font;
}
