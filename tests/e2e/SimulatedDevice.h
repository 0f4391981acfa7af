#pragma once
// The simulated controller on a pseudo-terminal, and the wizard's device
// link on its other end with the shipped parameter base loaded.

#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "sim/SimServer.h"
#include "sim/Simulator.h"

#include <atomic>
#include <memory>
#include <string>

class SimulatedDevice {
public:
    SimulatedDevice() = default;
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    // false with error when the simulator, the port or the base fails.
    // options without a base path get the shipped base. A link path names
    // the line by a symlink that follows it across unplug and plug.
    bool Start(std::string& error, Simulator::Options options = {},
               const std::string& linkPath = {});

    Simulator& Sim() { return *sim; }

    DeviceLink& Link() { return link; }
    DeviceOperations& Operations() { return operations; }
    // The table's parameter; fails the test when the base lacks it.
    Parameter& Table(const std::string& name, int index);
    // The simulator's own value text of a parameter.
    std::string Stored(const std::string& name, int index) const;
    // A second parameter object read from the device, apart from the table's.
    Parameter ReadFresh(const std::string& name, int index);
    // Frames on the line so far, both directions.
    int Frames() const { return frames; }

private:
    std::unique_ptr<Simulator> sim;
    std::unique_ptr<SimServer> server;
    DeviceLink link;
    DeviceOperations operations{link};
    std::atomic<int> frames{0}; // counted on the server's thread
};
