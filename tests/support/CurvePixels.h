#pragma once
// Finding the graph's red curve in a grabbed picture.

#include <QImage>
#include <QPointF>
#include <QRgb>

inline bool IsCurveRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60;
}

inline int CountRed(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsCurveRed(image.pixel(x, y));
    return count;
}

// Some pixel within reach of p matches: lines land on whole pixels.
template <typename Match> bool Near(const QImage& image, QPointF p, int reach, Match match) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint q = p.toPoint() + QPoint(dx, dy);
            if (image.rect().contains(q) && match(image.pixel(q)))
                return true;
        }
    return false;
}

// The curve is about two pixels thick.
inline bool RedNear(const QImage& image, QPointF p) {
    return Near(image, p, 3, IsCurveRed);
}
