#include "render/GraphPainter.h"

#include <QFontMetrics>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Drawing units between a y label and the axis.
constexpr double kLabelGap = 10;

QFont ShellFont(int pixelHeight) {
    QFont font;
    // "MS Shell Dlg" is a Windows alias; DejaVu carries the Cyrillic glyphs.
    font.setFamilies({QStringLiteral("MS Shell Dlg"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(pixelHeight, 1));
    return font;
}

QPen Pen(QColor colour, double width, Qt::PenStyle style) {
    QPen pen(colour, std::max(width, 1.0), style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

GraphPainter::GraphPainter(QPainter& painter, const GraphLayout& layout, GraphUnits units,
                           QSize size)
    : p_(painter), g_(layout), u_(units), size_(size),
      inner_(Inner(layout, units, size)), labelFont_(LabelFont(units)) {}

QRectF GraphPainter::Inner(const GraphLayout& g, GraphUnits u, QSize size) {
    const double right = u.Units(size.width() - GraphUnits::kLeftGap);
    const double top = u.Units(size.height());
    return QRectF(QPointF(g.left, g.bottom), QPointF(right - g.mx, top - g.my));
}

QFont GraphPainter::LabelFont(GraphUnits units) { return ShellFont(int(units.Px(32) + 0.5)); }

GraphLayout GraphPainter::Layout(const GraphLimits& limits, const std::vector<GraphNode>& nodes,
                                 GraphUnits units, QSize size) {
    const int width = units.Units(size.width());
    const int height = units.Units(size.height());
    const GraphLayout plain = LayoutGraph(limits, nodes, width, height);
    const QFontMetricsF metrics(LabelFont(units));
    double widest = 0;
    for (double value : {plain.yLo, plain.yHi})
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(GraphLabel(value))));
    const int beside = int(std::ceil(kLabelGap + units.Units(int(std::ceil(widest)))));
    const int below = int(std::ceil(kLabelGap + units.Units(int(std::ceil(metrics.height()))))) + 1;
    if (beside <= plain.left && below <= plain.bottom)
        return plain;
    return LayoutGraph(limits, nodes, width, height, beside, below);
}

void GraphPainter::Paint(int graphNumber) {
    p_.fillRect(QRect(QPoint(0, 0), size_), Qt::white);
    PaintTitle(graphNumber);
    PaintAxes();
    if (g_.pixels.size() >= 2)
        PaintCurve();
}

void GraphPainter::PaintTitle(int graphNumber) {
    QFont font = ShellFont(14);
    font.setUnderline(true);
    p_.setFont(font);
    p_.setPen(QColor(0, 0, 100));
    p_.drawText(QRect(QPoint(0, 0), size_).adjusted(0, 0, -5, 0), Qt::AlignRight | Qt::AlignTop,
                QStringLiteral("График №%1").arg(graphNumber));
}

void GraphPainter::PaintAxes() {
    p_.setPen(Pen(Qt::black, u_.Px(1), Qt::SolidLine));
    p_.setBrush(Qt::black);
    const double e = inner_.right(), my = inner_.top();
    Line(inner_.left(), my, e, my);
    Arrow({{e, my}, {e, my - 7}, {e + 40, my}, {e, my + 6}});
    const double f = inner_.left(), t = inner_.bottom();
    Line(f, my, f, t);
    Arrow({{f, t}, {f - 6, t}, {f, t + 40}, {f + 6, t}});
}

void GraphPainter::PaintCurve() {
    p_.save();
    p_.setClipRect(QRectF(u_.ToPixels(inner_.left(), inner_.bottom()),
                          u_.ToPixels(inner_.right(), inner_.top())));
    PaintGrid();
    p_.setPen(Pen(QColor(200, 0, 0), u_.Px(5), Qt::SolidLine));
    for (std::size_t i = 1; i < g_.pixels.size(); ++i)
        Line(g_.pixels[i - 1].X, g_.pixels[i - 1].Y, g_.pixels[i].X, g_.pixels[i].Y);
    PaintExtensions();
    p_.restore();
    PaintLabels();
}

void GraphPainter::PaintGrid() {
    p_.setPen(Pen(QColor(195, 195, 195), u_.Px(1), Qt::DotLine));
    for (const PixelPoint& pt : g_.pixels) {
        Line(inner_.left(), pt.Y, inner_.right(), pt.Y);
        Line(pt.X, inner_.top(), pt.X, inner_.bottom());
    }
}

void GraphPainter::PaintExtensions() {
    p_.setPen(Pen(QColor(200, 0, 0), u_.Px(1), Qt::DotLine));
    const auto& px = g_.pixels;
    const int left = int(inner_.left()), right = int(inner_.right());
    Line(left, ExtensionY(px[0], px[1], left), px[0].X, px[0].Y);
    const PixelPoint& a = px[px.size() - 2];
    const PixelPoint& b = px.back();
    Line(right, ExtensionY(a, b, right), b.X, b.Y);
}

void GraphPainter::PaintLabels() {
    p_.setFont(labelFont_);
    p_.setPen(Qt::black);
    for (const AxisLabel& label : Labels(g_, u_, size_)) {
        p_.fillRect(label.box, Qt::white);
        p_.drawText(label.box, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
}

// x labels centred under the first and the last node as far as the control
// allows, y labels level with them and right-aligned to the y axis.
std::vector<AxisLabel> GraphPainter::Labels(const GraphLayout& g, GraphUnits u, QSize size) {
    if (g.pixels.size() < 2)
        return {};
    const QRectF inner = Inner(g, u, size);
    const QFontMetricsF metrics(LabelFont(u));
    const double h = u.Units(int(metrics.height())) / 2.0;
    const QPointF axes = u.ToPixels(inner.left(), inner.top());
    const QRectF below(QPointF(0, axes.y() + 1), QPointF(size.width(), size.height()));
    const QRectF beside(QPointF(0, 0), QPointF(u.ToPixels(inner.left() - kLabelGap, 0).x(), size.height()));
    const auto label = [&](double value, QPointF anchor, double shift, const QRectF& room) {
        const QString text = QString::fromStdString(GraphLabel(value));
        const QSizeF extent(metrics.horizontalAdvance(text), metrics.height());
        const QPointF at = u.ToPixels(anchor.x(), anchor.y());
        QRectF box(at - QPointF(extent.width() * shift, 0), extent);
        // A label centred under a node near the edge keeps inside the control.
        box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, size.width() - box.width())));
        return AxisLabel{text, box, room};
    };
    const double under = inner.top() - kLabelGap;
    const double lowEdge = inner.top() + g.my + h;
    const double right = inner.left() - kLabelGap;
    return {label(g.xLo, {double(g.pixels.front().X), under}, 0.5, below),
            label(g.xHi, {double(g.pixels.back().X), under}, 0.5, below),
            label(g.yLo, {right, lowEdge}, 1.0, beside),
            label(g.yHi, {right, (g.yHi - g.yLo) / g.yScale + lowEdge}, 1.0, beside)};
}

void GraphPainter::Line(double x1, double y1, double x2, double y2) {
    p_.drawLine(u_.ToPixels(x1, y1), u_.ToPixels(x2, y2));
}

void GraphPainter::Arrow(const QPointF (&corners)[4]) {
    QPolygonF polygon;
    for (const QPointF& c : corners)
        polygon << u_.ToPixels(c.x(), c.y());
    p_.setPen(Qt::NoPen);
    p_.drawPolygon(polygon);
    p_.setPen(Pen(Qt::black, u_.Px(1), Qt::SolidLine));
}
