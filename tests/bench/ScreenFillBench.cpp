// Filling the largest parameter screen of each modification against the
// paced simulator: the time the page's worker needs next to the time its
// exchanges take on a real line (both frames on the wire plus the
// controller's turnaround). Goal: at most 1.05 times the line's time.
#include <benchmark/benchmark.h>

#include "TempDir.h"
#include "config/PageKinds.h"
#include "config/ScreenTableRead.h"
#include "config/ScreenTableSink.h"
#include "config/WizardState.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/TransferStatus.h"
#include "params/ParameterBaseLoader.h"
#include "sim/SimServer.h"
#include "sim/Simulator.h"
#include "util/ProgramDirectory.h"

#include <atomic>
#include <chrono>
#include <cstdlib>

namespace {

constexpr int kChannels = 8;

class NoStatus : public TransferStatus {
public:
    void ShowStatus(bool, const std::string&) override {}
    void AdvanceProgress(int) override {}
};

class NoSink : public ScreenTableSink {
public:
    void SelectorFilled(const std::vector<std::string>&, int) override {}
    void SquareRootRead(int) override {}
    void RowsCleared() override {}
    void RowAdded(int, const std::string&, Parameter*, bool) override {}
    void RowRead(int, const std::string&) override {}
    void TableRead(const std::vector<ScreenRow>&, bool) override {}
};

// The reachable screen with the most rows at channel position 0.
ScreenUse LargestScreen(int modification) {
    ScreenUse largest{};
    int most = -1;
    for (const ScreenUse& use : ReachableScreens(modification, kChannels)) {
        if (use.kind == 0 || use.position != 0)
            continue;
        const int rows = CountApplicableReferences(ScreenReferences(use.screen), modification);
        if (rows > most) {
            most = rows;
            largest = use;
        }
    }
    return largest;
}

void BM_FillLargestScreen(benchmark::State& state) {
    const int modification = static_cast<int>(state.range(0));
    const unsigned baud = static_cast<unsigned>(state.range(1));
    TempDir temp;
    ::setenv("ZRK640_CONFIG", temp.file("ZRK640.conf").c_str(), 1);

    Simulator sim;
    Simulator::Options simOptions;
    simOptions.basePath = ProgramDirectory() + "parameters_m.zip";
    simOptions.model.modification = modification;
    simOptions.link = LinkConfig::Standard();
    simOptions.link->baud = baud;
    std::string error;
    SimServer server(sim);
    SimServer::Options line;
    line.pace = SimServer::kDefaultTurnaround;
    std::atomic<long> characters{0}, replies{0};
    line.trace = [&](const std::string& frame) {
        characters += static_cast<long>(frame.size() - 3 + 1); // less the direction, plus CR
        if (frame.rfind(">>", 0) == 0)
            ++replies;
    };
    if (!sim.Start(simOptions, error) || !server.Start(line, error)) {
        state.SkipWithError(error.c_str());
        return;
    }

    DeviceLink link;
    WizardState wizard;
    link.UseState(wizard);
    link.Port().settings().port_name = server.SlavePath();
    link.Port().settings().baud_rate = baud;
    link.Port().settings().parity_code = kParityOff;
    if (LoadParameterBase(link.Table(), "parameters_m.zip", ProgramDirectory()) != 0 ||
        link.Port().open() != 0) {
        state.SkipWithError("no base or no port");
        return;
    }
    DeviceOperations ops(link);
    wizard.Modification = modification;
    wizard.ChannelCount = kChannels;
    wizard.SetFeatures(FeaturesOf(modification));
    const ScreenUse screen = LargestScreen(modification);
    ScreenRequest request;
    request.kind = screen.kind;
    request.modification = modification;
    request.channelCount = kChannels;
    request.element = "1";
    NoStatus status;
    NoSink sink;

    std::chrono::duration<double> filling{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ScreenTableRead(link, ops, wizard, status, sink).Run(request);
        filling += std::chrono::steady_clock::now() - start;
    }
    server.Stop();
    const double n = static_cast<double>(state.iterations());
    // 10 bits a character at 8N1.
    const double wire = (static_cast<double>(characters) * 10.0 / baud +
                         static_cast<double>(replies) *
                             std::chrono::duration<double>(SimServer::kDefaultTurnaround).count()) /
                        n;
    state.counters["kind"] = screen.kind;
    state.counters["exchanges"] = static_cast<double>(replies) / n;
    state.counters["fill_ms"] = filling.count() / n * 1e3;
    state.counters["line_ms"] = wire * 1e3;
    state.counters["fill_of_line"] = filling.count() / n / wire;
}

void Modifications(benchmark::internal::Benchmark* b) {
    for (int modification = 1; modification <= 6; ++modification)
        for (int baud : {9600, 115200})
            b->Args({modification, baud});
}

BENCHMARK(BM_FillLargestScreen)
    ->Apply(Modifications)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
