#include "shell/DialogUnits.h"

#include <cmath>

int DialogUnits::X(int units) { return static_cast<int>(std::lround(units * kPixelsPerUnitX)); }

int DialogUnits::Y(int units) { return static_cast<int>(std::lround(units * kPixelsPerUnitY)); }

QSize DialogUnits::Size(int width, int height) { return {X(width), Y(height)}; }

// Both corners are converted, so neighbouring controls meet without gaps.
QRect DialogUnits::Rect(int x, int y, int width, int height) {
    return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
}
