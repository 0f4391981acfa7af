#include "controls/CmyGraf.h"

#include "render/GraphPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

CmyGraf::CmyGraf(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CmyGraf::Rebuild(const GraphLimits& limits, const std::vector<GraphNode>& nodes) {
    limits_ = limits;
    nodes_ = nodes;
    layoutSize_ = QSize();
    HideTip();
    update();
}

void CmyGraf::SetGraphNumber(int number) {
    graphNumber_ = number;
    update();
}

GraphUnits CmyGraf::Units() const {
    return {logicalDpiX() / 254.0, height()};
}

const GraphLayout& CmyGraf::Layout() const {
    if (layoutSize_ != size()) {
        layout_ = GraphPainter::Layout(limits_, nodes_, Units(), size());
        layoutSize_ = size();
    }
    return layout_;
}

std::vector<AxisLabel> CmyGraf::AxisLabels() const {
    return GraphPainter::Labels(Layout(), Units(), size());
}

void CmyGraf::HideTip() {
    if (tipShown_)
        QToolTip::hideText();
    tipShown_ = false;
    tipNode_ = -1;
}

void CmyGraf::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    GraphPainter(painter, Layout(), Units(), size()).Paint(graphNumber_);
}

void CmyGraf::mouseMoveEvent(QMouseEvent* event) {
    const QPoint mouse = event->position().toPoint();
    const QPoint at = Units().FromPixels(mouse);
    const GraphLayout& layout = Layout();
    const int node = NodeAt(layout.pixels, at.x(), at.y());
    if (node >= 0 && (!tipShown_ || node != tipNode_)) {
        const QString text = QString::fromStdString(NodeTipText(layout.points[node]));
        QToolTip::showText(mapToGlobal(mouse), text, this);
        tipShown_ = true;
        tipNode_ = node;
    } else if (node < 0) {
        HideTip();
    }
    QWidget::mouseMoveEvent(event);
}
