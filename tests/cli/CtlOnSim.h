#pragma once
// zrk640ctl run as a program against the simulated controller, on its
// pseudo-terminal or its TCP port: what it printed, its exit code, and the
// controller's journal.

#include "sim/SimServer.h"
#include "sim/Simulator.h"
#include "tests/link/TempDir.h"
#include "util/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/wait.h>

inline std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

class CtlOnSim : public testing::Test {
protected:
    void Start(std::optional<LinkConfig> line = {}, ControllerModel::Options model = {},
               FaultSettings faults = {}, unsigned seed = 1) {
        Simulator::Options options;
        options.link = line;
        options.model = model;
        options.faults = faults;
        options.seed = seed;
        StartWith(options);
    }
    void StartWith(Simulator::Options options) {
        options.basePath = ProgramDirectory() + "parameters_m.zip";
        std::string error;
        ASSERT_TRUE(sim.Start(options, error)) << error;
        SimServer::Options serverOptions;
        serverOptions.tcp = "127.0.0.1:0";
        serverOptions.trace = [this](const std::string& line) {
            if (line.rfind("<< ", 0) == 0)
                ++requests;
        };
        ASSERT_TRUE(server.Start(serverOptions, error)) << error;
    }
    void TearDown() override { server.Stop(); }

    // args go to a shell: quote what needs it.
    Outcome Run(const std::string& args) {
        const std::string command = "ZRK640_CONFIG=" + dir.file("ZRK640.conf") + " " + ZRK640CTL +
                                    " " + args + " >" + dir.file("out") + " 2>" + dir.file("err");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir.file("out")),
                Slurp(dir.file("err"))};
    }
    std::string Pty() const { return "--port " + server.SlavePath() + " "; }
    std::string Tcp() const {
        return "--port tcp://127.0.0.1:" + std::to_string(server.TcpPort()) + " ";
    }
    // Journal lines from the n-th on.
    std::vector<std::string> JournalFrom(std::size_t n) const {
        const std::vector<std::string> all = sim.JournalLines();
        return {all.begin() + static_cast<long>(std::min(n, all.size())), all.end()};
    }

    Simulator sim;
    SimServer server{sim};
    TempDir dir;
    std::atomic<int> requests{0};
};
