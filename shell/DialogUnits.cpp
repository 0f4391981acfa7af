#include "shell/DialogUnits.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <cmath>

namespace {

struct BaseUnits {
    QFont font;
    double x = 0.0;
    double y = 0.0;
};

// Measured once per application font: pages are built from many rectangles.
const BaseUnits& Base() {
    static BaseUnits base;
    const QFont font = QGuiApplication::font();
    if (base.x == 0.0 || !(base.font == font)) {
        const QFontMetricsF metrics(font);
        constexpr int kLetters = 52;
        const double average =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / kLetters;
        base = {font, average / 4.0, metrics.height() / 8.0};
    }
    return base;
}

} // namespace

double DialogUnits::PixelsPerUnitX() { return Base().x; }
double DialogUnits::PixelsPerUnitY() { return Base().y; }

int DialogUnits::X(int units) { return static_cast<int>(std::lround(units * PixelsPerUnitX())); }

int DialogUnits::Y(int units) { return static_cast<int>(std::lround(units * PixelsPerUnitY())); }

QSize DialogUnits::Size(int width, int height) { return {X(width), Y(height)}; }

// Both corners are converted, so neighbouring controls meet without gaps.
QRect DialogUnits::Rect(int x, int y, int width, int height) {
    return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
}
