#pragma once
// Writing a channel's setpoint-correction graph to the controller. The
// controller refuses an X while its graph has nodes and a node count over
// X values that do not ascend, so the count goes to 0 first, the nodes
// follow in ascending X and the count comes last.

#include "render/GraphGeometry.h"

#include <string>
#include <vector>

class DeviceServices;

struct GraphWrite {
    int channel = 0;                // channel index c
    std::string input;              // "in.gr" choice text
    std::vector<GraphPoint> points; // ascending X
    int nodeCount = 0;
    bool switchCorrectionOn = false; // "or.sp" := this channel's graph afterwards
};

// Runs on a worker. 0 when everything was written; else 1 after the first
// failed write (its box shown), with nothing written after it.
int WriteGraph(DeviceServices& device, const GraphWrite& graph);

// "or.sp" of the channel := choice `choice`; 0 when written, else 1.
int WriteSetpointCorrection(DeviceServices& device, int channel, int choice);
