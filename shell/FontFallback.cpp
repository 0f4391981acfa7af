#include "shell/FontFallback.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

// 8 points at the 96 dpi the layouts were drawn for.
constexpr int kDialogFontPixels = 11;

} // namespace

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
    int pixels = cellHeight;
    do {
        font.setPixelSize(pixels);
    } while (QFontMetrics(font).height() > cellHeight && --pixels > 1);
    return font;
}

QFont FontFallback::DialogFont() {
    QFont font("MS Shell Dlg");
    font.setPixelSize(kDialogFontPixels);
    return font;
}
