#pragma once
// Paints the graph control: title, arrowed axes and, from two nodes on, the
// grid, the curve, its extensions and the range labels.

#include "render/GraphGeometry.h"
#include "render/GraphUnits.h"

#include <QFont>
#include <QPainter>
#include <QRect>

class GraphPainter {
public:
    GraphPainter(QPainter& painter, const GraphLayout& layout, GraphUnits units, QSize size);
    void Paint(int graphNumber);

private:
    void PaintTitle(int graphNumber);
    void PaintAxes();
    void PaintCurve();
    void PaintGrid();
    void PaintExtensions();
    void PaintLabels();
    void PaintLabel(double value, QPointF anchor, bool centred);
    void Line(double x1, double y1, double x2, double y2);
    void Arrow(const QPointF (&corners)[4]);

    QPainter& p_;
    const GraphLayout& g_;
    GraphUnits u_;
    QSize size_;
    QRectF inner_; // I in drawing units: left, top (lower edge), right, bottom (upper edge)
    QFont labelFont_;
};
