#pragma once
// The graph's drawing units: 0.1 mm each, y up, origin at the bottom of the
// control and 7 pixels right of its left edge (room for the y labels).

#include <QPoint>
#include <QPointF>

struct GraphUnits {
    static constexpr int kLeftGap = 7;

    double pxPerUnit = 1.0;
    int heightPx = 0;

    QPointF ToPixels(double x, double y) const {
        return {kLeftGap + x * pxPerUnit, heightPx - y * pxPerUnit};
    }
    QPoint FromPixels(QPoint p) const {
        return {int((p.x() - kLeftGap) / pxPerUnit), int((heightPx - p.y()) / pxPerUnit)};
    }
    double Px(double units) const { return units * pxPerUnit; }
    int Units(int pixels) const { return int(pixels / pxPerUnit); }
};
