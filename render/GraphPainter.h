#pragma once
// Paints the graph control: title, arrowed axes and, from two nodes on, the
// grid, the curve, its extensions and the range labels.

#include "render/GraphGeometry.h"
#include "render/GraphUnits.h"

#include <QFont>
#include <QPainter>
#include <QRect>

#include <vector>

// A range label where it is painted (pixels) and the room it has there:
// left of the y axis, or below the x axis.
struct AxisLabel {
    QString text;
    QRectF box;
    QRectF room;
};

class GraphPainter {
public:
    GraphPainter(QPainter& painter, const GraphLayout& layout, GraphUnits units, QSize size);
    void Paint(int graphNumber);

    // The layout of a control of size pixels, its y axis moved right as far
    // as the y labels in this font need.
    static GraphLayout Layout(const GraphLimits& limits, const std::vector<GraphNode>& nodes,
                              GraphUnits units, QSize size);
    // The four range labels; none below two nodes.
    static std::vector<AxisLabel> Labels(const GraphLayout& layout, GraphUnits units, QSize size);
    static QFont LabelFont(GraphUnits units);

private:
    void PaintTitle(int graphNumber);
    void PaintAxes();
    void PaintCurve();
    void PaintGrid();
    void PaintExtensions();
    void PaintLabels();
    static QRectF Inner(const GraphLayout& layout, GraphUnits units, QSize size);
    void Line(double x1, double y1, double x2, double y2);
    void Arrow(const QPointF (&corners)[4]);

    QPainter& p_;
    const GraphLayout& g_;
    GraphUnits u_;
    QSize size_;
    QRectF inner_; // I in drawing units: left, top (lower edge), right, bottom (upper edge)
    QFont labelFont_;
};
