#include "SimulatedDevice.h"

#include "util/ProgramDirectory.h"
#include "params/ParameterBaseLoader.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
constexpr const char* kBaseFile = "parameters_m.zip";
}

SimulatedDevice::~SimulatedDevice() {
    link.Port().close();
    if (server)
        server->Stop();
}

bool SimulatedDevice::Start(std::string& error, Simulator::Options options,
                            const std::string& linkPath) {
    if (options.basePath.empty())
        options.basePath = ProgramDirectory() + kBaseFile;
    sim = std::make_unique<Simulator>();
    if (!sim->Start(options, error))
        return false;
    server = std::make_unique<SimServer>(*sim);
    SimServer::Options lineOptions;
    lineOptions.trace = [this](const std::string&) { ++frames; };
    lineOptions.linkPath = linkPath;
    if (!server->Start(lineOptions, error))
        return false;
    link.Port().settings().port_name = linkPath.empty() ? server->SlavePath() : linkPath;
    if (link.Port().open() != 0) {
        error = "the link does not open " + server->SlavePath();
        return false;
    }
    if (LoadParameterBase(link.Table(), kBaseFile, ProgramDirectory()) != 0) {
        error = "the shipped base does not load from " + ProgramDirectory();
        return false;
    }
    return true;
}

Parameter& SimulatedDevice::Table(const std::string& name, int index) {
    Parameter* p = link.FindParameter(name, index);
    if (p == nullptr)
        throw std::runtime_error("the base has no " + name + ":" + std::to_string(index));
    return *p;
}

std::string SimulatedDevice::Stored(const std::string& name, int index) const {
    std::string value;
    EXPECT_TRUE(sim->Value(name, index, value)) << name << ':' << index;
    return value;
}

Parameter SimulatedDevice::ReadFresh(const std::string& name, int index) {
    Parameter fresh = Table(name, index);
    fresh.value = kNoData;
    EXPECT_EQ(operations.ReadParameter(&fresh), kLinkOk) << name << ": " << fresh.message;
    return fresh;
}
