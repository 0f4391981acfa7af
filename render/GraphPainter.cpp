#include "render/GraphPainter.h"

#include <QFontMetrics>
#include <QPolygonF>

#include <algorithm>

namespace {

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
      labelFont_(ShellFont(int(units.Px(32) + 0.5))) {
    const double right = u_.Units(size.width() - GraphUnits::kLeftGap);
    const double top = u_.Units(size.height());
    inner_ = QRectF(QPointF(g_.mx, g_.my), QPointF(right - g_.mx, top - g_.my));
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
    const double e = inner_.right(), my = g_.my;
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
    const double h = u_.Units(QFontMetrics(labelFont_).height()) / 2.0;
    const double below = inner_.top() - 10;
    PaintLabel(g_.xLo, {double(g_.pixels.front().X), below}, true);
    PaintLabel(g_.xHi, {double(g_.pixels.back().X), below}, true);
    const double x = inner_.left() - g_.mx - 15;
    const double lowEdge = inner_.top() + g_.my + h;
    PaintLabel(g_.yLo, {x, lowEdge}, false);
    PaintLabel(g_.yHi, {x, (g_.yHi - g_.yLo) / g_.yScale + lowEdge}, false);
}

// anchor: the label's top-left corner in drawing units, or its top centre.
void GraphPainter::PaintLabel(double value, QPointF anchor, bool centred) {
    const QString text = QString::fromStdString(GraphLabel(value));
    const QFontMetrics metrics(labelFont_);
    QRectF box(u_.ToPixels(anchor.x(), anchor.y()),
               QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    if (centred)
        box.translate(-box.width() / 2, 0);
    p_.fillRect(box, Qt::white);
    p_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
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
