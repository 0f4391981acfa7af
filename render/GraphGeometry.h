#pragma once
// The graph control's arithmetic, apart from any drawing: data ranges,
// margins, scales and node positions in drawing units (0.1 mm per unit, y up,
// origin at the lower-left corner), and the texts the graph shows.

#include <string>
#include <string_view>
#include <vector>

// Limits of the first row's X and Y parameters; the ranges start inverted
// from them (upper as low end) and widen to the nodes.
struct GraphLimits {
    double xLower = 0.0;
    double xUpper = 0.0;
    double yLower = 0.0;
    double yUpper = 0.0;
};

// One row of the node list; invalid rows (unread or unreadable) yield no point.
struct GraphNode {
    double x = 0.0;
    double y = 0.0;
    bool valid = false;
};

struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
};

struct PixelPoint {
    int X = 0;
    int Y = 0;
};

struct GraphLayout {
    std::vector<GraphPoint> points; // data units, ascending x
    std::vector<PixelPoint> pixels; // drawing units, same order
    int mx = 0;                     // margins
    int my = 0;
    int left = 0;   // the y axis: the left margin, or the room its labels need
    int bottom = 0; // the x axis, the same below
    double xScale = 1.0; // x units per drawing unit
    double xLo = 0.0;
    double xHi = 0.0;
    double yScale = 1.0;
    double yLo = 0.0;
    double yHi = 0.0;
};

// A node from the X and Y value texts of a row: invalid when either reads
// "Нет данных" or is no finite decimal number.
GraphNode GraphNodeFromTexts(std::string_view x, std::string_view y);

// Ranges, margins, scales and drawing positions for a client area of
// width x height drawing units; the y axis stands at least axisRoom units
// from the left edge, the x axis at least belowRoom units from the bottom.
GraphLayout LayoutGraph(const GraphLimits& limits, const std::vector<GraphNode>& nodes, int width,
                        int height, int axisRoom = 0, int belowRoom = 0);

// y at x on the straight line through a and b (truncated), for the dotted
// extensions; a vertical line uses a denominator of 1.
int ExtensionY(PixelPoint a, PixelPoint b, int x);

// Range label: fewer decimals the larger the number.
std::string GraphLabel(double value);

// Tooltip text of a node.
std::string NodeTipText(GraphPoint point);

// Index of the first node whose 40-unit square holds (x, y), or -1.
int NodeAt(const std::vector<PixelPoint>& pixels, int x, int y);
