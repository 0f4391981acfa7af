#include "shell/FontFallback.h"

#include "controls/LayoutFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
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

// Qt matches a family it has to substitute once for its own name and once
// for the stand-in, for every script: named by the stand-in itself, a font
// costs one match per script, shared by every font of that family. Installed
// families are looked up in Qt's list (hasFamily() would run a fontconfig
// alias match per name, as slow as the match saved), and the stand-in is
// returned as installed, since Qt keeps substitutes in lower case.
QString FontFallback::InstalledFamily(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    const auto spelled = [&installed](const QString& name) {
        return std::find_if(installed.begin(), installed.end(), [&name](const QString& entry) {
            return entry.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    if (spelled(family) != installed.end())
        return family;
    for (const QString& standIn : QFont::substitutes(family))
        if (const auto entry = spelled(standIn); entry != installed.end())
            return *entry;
    return family;
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
    QFont font(InstalledFamily(family));
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int room = LayoutFont::Pixels(cellHeight);
    const auto fits = [&font, room](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height() <= room;
    };
    // Every size tried loads a font of its own: start where the application
    // font's proportions put the answer, then step to the largest that fits.
    const QFontMetrics applicationMetrics(application);
    const int applicationPixels = QFontInfo(application).pixelSize();
    int pixels = room;
    if (applicationMetrics.height() > 0 && applicationPixels > 0) {
        const double proportion = double(applicationPixels) / applicationMetrics.height();
        pixels = std::clamp(int(std::lround(room * proportion)), 1, room);
    }
    while (pixels > 1 && !fits(pixels))
        --pixels;
    while (pixels < room && fits(pixels + 1))
        ++pixels;
    font.setPixelSize(pixels);
    fitted.push_back({family, cellHeight, weight, application, font});
    return font;
}

// The desktop's size, in points where it gives one: so QT_FONT_DPI and a
// larger system font both reach every page.
QFont FontFallback::DialogFont() {
    const QFont desktop = QApplication::font();
    QFont font(InstalledFamily("MS Shell Dlg"));
    if (desktop.pointSizeF() > 0)
        font.setPointSizeF(desktop.pointSizeF());
    else
        font.setPixelSize(desktop.pixelSize());
    return font;
}
