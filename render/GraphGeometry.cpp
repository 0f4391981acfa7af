#include "render/GraphGeometry.h"

#include "params/MyConverter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Truncation that stays defined for any double: absurd ranges from the
// parameter limits must not turn into undefined integer conversions.
int SafeTrunc(double v) {
    if (std::isnan(v))
        return 0;
    constexpr double kLimit = 1e9;
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

bool ParseNumber(std::string_view text, double& out) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(out);
}

double ScaleOf(double span, int length) {
    // A control too small for its margins still gets a usable scale.
    double scale = span / std::max(length, 1);
    return scale == 0.0 ? 1.0 : scale;
}

std::string Printf(const char* format, double a, double b = 0.0) {
    char buffer[700];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

} // namespace

GraphNode GraphNodeFromTexts(std::string_view x, std::string_view y) {
    GraphNode node;
    if (x == kNoData || y == kNoData)
        return node;
    node.valid = ParseNumber(x, node.x) && ParseNumber(y, node.y);
    return node;
}

GraphLayout LayoutGraph(const GraphLimits& limits, const std::vector<GraphNode>& nodes, int width,
                        int height, int axisRoom, int belowRoom) {
    GraphLayout g;
    g.xLo = limits.xUpper;
    g.xHi = limits.xLower;
    g.yLo = limits.yUpper;
    g.yHi = limits.yLower;
    for (const GraphNode& n : nodes) {
        if (!n.valid)
            continue;
        g.points.push_back({n.x, n.y});
        g.xLo = std::min(g.xLo, n.x);
        g.xHi = std::max(g.xHi, n.x);
        g.yLo = std::min(g.yLo, n.y);
        g.yHi = std::max(g.yHi, n.y);
    }
    g.mx = SafeTrunc(0.07 * width);
    g.my = SafeTrunc(0.07 * height);
    g.left = std::max(g.mx, axisRoom);
    g.bottom = std::max(g.my, belowRoom);
    g.xScale = ScaleOf(g.xHi - g.xLo, width - g.left - 3 * g.mx - 7);
    g.yScale = ScaleOf(g.yHi - g.yLo, height - g.bottom - 3 * g.my);
    std::stable_sort(g.points.begin(), g.points.end(),
                     [](const GraphPoint& a, const GraphPoint& b) { return a.x < b.x; });
    const int left = g.left + g.mx + 7;
    const int bottom = g.bottom + g.my;
    for (const GraphPoint& p : g.points)
        g.pixels.push_back({SafeTrunc((p.x - g.xLo) / g.xScale + left),
                            SafeTrunc((p.y - g.yLo) / g.yScale + bottom)});
    return g;
}

int ExtensionY(PixelPoint a, PixelPoint b, int x) {
    const double d = a.X == b.X ? 1.0 : double(b.X) - a.X;
    return SafeTrunc(a.Y + (double(x) - a.X) * (double(b.Y) - a.Y) / d);
}

std::string GraphLabel(double value) {
    if (value < 10)
        return Printf("%.3f", value);
    if (value < 100)
        return Printf("%.2f", value);
    if (value < 1000)
        return Printf("%.1f", value);
    return Printf("%.0f", value);
}

std::string NodeTipText(GraphPoint point) {
    return Printf("X = %.3f\nY = %.3f", point.x, point.y);
}

int NodeAt(const std::vector<PixelPoint>& pixels, int x, int y) {
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const PixelPoint& p = pixels[i];
        if (x >= p.X - 20 && x < p.X + 20 && y >= p.Y - 20 && y < p.Y + 20)
            return static_cast<int>(i);
    }
    return -1;
}
