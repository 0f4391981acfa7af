#include "sim/GraphRules.h"

#include "link/NetworkErrors.h"

#include <cstdlib>

int GraphRules::CheckX(SimParameterBase& base, int index) {
    const SimParameter* nodes = base.Find("node", index / kNodesPerGraph * kNodesPerGraph);
    if (nodes && std::atoi(nodes->param.value.c_str()) != 0)
        return NetworkErrors::kXWithNodes;
    return 0;
}

int GraphRules::CheckNodeCount(SimParameterBase& base, int index, int count) {
    for (int n = 1; n < count; ++n) {
        const SimParameter* before = base.Find("absc", index + n - 1);
        const SimParameter* x = base.Find("absc", index + n);
        if (!before || !x)
            return NetworkErrors::kNodesNotAscending;
        if (std::strtod(x->param.value.c_str(), nullptr) <=
            std::strtod(before->param.value.c_str(), nullptr))
            return NetworkErrors::kNodesNotAscending;
    }
    return 0;
}
