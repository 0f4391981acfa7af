#pragma once
// The setpoint-correction graph: shows the nodes of the node list as a curve;
// nodes are edited in the list, never here.

#include "render/GraphGeometry.h"
#include "render/GraphPainter.h"
#include "render/GraphUnits.h"

#include <QWidget>

#include <vector>

class CmyGraf : public QWidget {
    Q_OBJECT
public:
    explicit CmyGraf(QWidget* parent = nullptr);

    // Takes the nodes (the first count rows of the node list) and the limits
    // of the first row's parameters, lays the curve out and repaints.
    void Rebuild(const GraphLimits& limits, const std::vector<GraphNode>& nodes);

    void SetGraphNumber(int number);
    int GraphNumber() const { return graphNumber_; }

    // Points in ascending x, as the page writes them to the device.
    const GraphLayout& Layout() const;
    GraphUnits Units() const;
    // The range labels as they are painted, each with its room.
    std::vector<AxisLabel> AxisLabels() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void HideTip();

    GraphLimits limits_;
    std::vector<GraphNode> nodes_;
    // Node positions follow the control's size, which a layout may change
    // after the page rebuilt the curve; they are laid out again on demand.
    mutable GraphLayout layout_;
    mutable QSize layoutSize_;
    int graphNumber_ = 0;
    int tipNode_ = -1;
    bool tipShown_ = false;
};
