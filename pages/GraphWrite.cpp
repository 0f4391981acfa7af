#include "pages/GraphWrite.h"

#include "config/FindShown.h"
#include "device/DeviceLink.h"
#include "shell/DeviceServices.h"
#include "util/NumberText.h"

namespace {

constexpr int kNodesPerGraph = 10;
constexpr int kSetpointBlocks = 3; // "or.sp" sits at 3c

// One write; 1 also when the base lacks the parameter.
int Write(DeviceServices& device, const char* name, int index, const std::string& value,
          int attempts) {
    Parameter* p = FindShown(device.Link().Table(), name, index);
    if (!p)
        return 1;
    p->value = value;
    return device.WriteParameterRequest(*p, attempts);
}

} // namespace

int WriteGraph(DeviceServices& device, const GraphWrite& graph) {
    const int first = kNodesPerGraph * graph.channel;
    if (Write(device, "in.gr", graph.channel, graph.input, 1) != 0)
        return 1;
    // Nothing of the graph may be written while the old count stands.
    if (Write(device, "node", first, "0", 1) != 0)
        return 1;
    for (std::size_t n = 0; n < graph.points.size(); ++n) {
        const int index = first + int(n);
        if (Write(device, "absc", index, FormatFixed(graph.points[n].x, 3), 1) != 0 ||
            Write(device, "ordn", index, FormatFixed(graph.points[n].y, 3), 1) != 0)
            return 1;
    }
    if (Write(device, "node", first, std::to_string(graph.nodeCount), 2) != 0)
        return 1;
    return graph.switchCorrectionOn ? WriteSetpointCorrection(device, graph.channel, graph.channel + 1)
                                    : 0;
}

int WriteSetpointCorrection(DeviceServices& device, int channel, int choice) {
    Parameter* p = FindShown(device.Link().Table(), "or.sp", kSetpointBlocks * channel);
    if (!p)
        return 1;
    p->value = choice_text(*p, choice);
    return device.WriteParameterRequest(*p, 1);
}
