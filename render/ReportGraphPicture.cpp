#include "render/ReportGraphPicture.h"

#include "render/GraphPainter.h"

#include <QPainter>

namespace {

// The picture's resolution in pixels per 0.1 mm: a screen's 96 dpi.
constexpr double kPixelsPerUnit = 96.0 / 254.0;

} // namespace

QImage ReportGraphPicture(const ReportGraph& graph, QSize size) {
    std::vector<GraphNode> nodes;
    for (const ReportGraphNode& n : graph.nodes)
        nodes.push_back(GraphNodeFromTexts(n.x, n.y));
    const GraphUnits units{kPixelsPerUnit, size.height()};
    const GraphLayout layout = GraphPainter::Layout(
        {graph.xLower, graph.xUpper, graph.yLower, graph.yUpper}, nodes, units, size);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    GraphPainter(painter, layout, units, size).Paint(graph.channel);
    return image;
}
