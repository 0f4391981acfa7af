#pragma once
// The setpoint-correction graph of a channel: node count "node" at 10c, the
// X values "absc" at 10c+n. X may change only while the count is 0, and a
// count is taken only when its X values ascend.

#include "sim/SimParameterBase.h"

class GraphRules {
public:
    static constexpr int kNodesPerGraph = 10;

    // 0, or error 74 when the graph of this "absc" index has nodes.
    static int CheckX(SimParameterBase& base, int index);
    // 0, or error 73 when the first `count` X of the graph do not ascend.
    static int CheckNodeCount(SimParameterBase& base, int index, int count);
};
