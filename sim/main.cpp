// zrk640-sim: the simulated controller as a program.

#include "util/ProgramDirectory.h"
#include "sim/ControlCommand.h"
#include "sim/SimOptions.h"

#include <csignal>
#include <iostream>
#include <thread>

#include <pthread.h>

namespace {

// Control lines from stdin; the thread ends with the input.
void ReadCommands(Simulator& sim) {
    std::thread([&sim] {
        for (std::string line; std::getline(std::cin, line);)
            if (!line.empty())
                std::cout << ControlCommand::Run(sim, line) << std::endl;
    }).detach();
}

// Sleeps until a stop signal; SIGUSR1 is the front panel's reset.
void WaitForSignals(Simulator& sim, const sigset_t& signals) {
    for (;;) {
        int signal = 0;
        if (sigwait(&signals, &signal) != 0 || signal != SIGUSR1)
            return;
        sim.FrontPanelReset();
        std::cerr << "zrk640-sim: сетевые настройки сброшены" << std::endl;
    }
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!options.Parse({argv + 1, argv + argc}, error)) {
        std::cerr << "zrk640-sim: " << error << "\n\n" << SimOptions::Usage();
        return 2;
    }
    if (options.version) {
        std::cout << "zrk640-sim " << ZRK_VERSION << "\n";
        return 0;
    }
    if (options.help) {
        std::cout << SimOptions::Usage();
        return 0;
    }
    if (options.sim.basePath.empty())
        options.sim.basePath = DataDirectory() + "parameters_m.zip";
    if (options.verbose)
        options.server.trace = [](const std::string& line) { std::cerr << line << std::endl; };

    sigset_t signals;
    sigemptyset(&signals);
    for (int s : {SIGUSR1, SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, s);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr); // every thread inherits the mask

    Simulator sim;
    sim.SetLog([](const std::string& line) { std::cerr << "zrk640-sim: " << line << std::endl; });
    SimServer server(sim);
    if (!sim.Start(options.sim, error) || !server.Start(options.server, error)) {
        std::cerr << "zrk640-sim: " << error << std::endl;
        return 1;
    }
    std::cout << (options.server.pty ? server.SlavePath() : "") << std::endl;
    if (!options.server.tcp.empty())
        std::cout << "tcp " << server.TcpPort() << std::endl;
    ReadCommands(sim);
    WaitForSignals(sim, signals);
    server.Stop();
    return 0;
}
