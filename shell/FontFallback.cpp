#include "shell/FontFallback.h"

#include "controls/LayoutFont.h"

#include <QApplication>
#include <QFontMetrics>

#include <vector>

void FontFallback::Install() {
    const QString sans = kFallbackFamily;
    const QString serif = "DejaVu Serif";
    for (const char* family : {"MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif", "Arial", "Tahoma"})
        QFont::insertSubstitutions(family, {sans});
    for (const char* family : {"Times New Roman", "Georgia"})
        QFont::insertSubstitutions(family, {serif, sans});
    QApplication::setFont(DialogFont());
}

// Every page asks for the same few fonts, and each size tried is a font
// match of its own: the answer is kept per request and application font.
QFont FontFallback::CellHeightFont(const QString& family, int cellHeight, int weight) {
    struct Fitted {
        QString family;
        int cellHeight;
        int weight;
        QFont applicationFont;
        QFont font;
    };
    static std::vector<Fitted> fitted;
    const QFont application = QApplication::font();
    for (const Fitted& f : fitted)
        if (f.family == family && f.cellHeight == cellHeight && f.weight == weight &&
            f.applicationFont == application)
            return f.font;
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int room = LayoutFont::Pixels(cellHeight);
    int pixels = room;
    do {
        font.setPixelSize(pixels);
    } while (QFontMetrics(font).height() > room && --pixels > 1);
    fitted.push_back({family, cellHeight, weight, application, font});
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
