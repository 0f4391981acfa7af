// The wizard's start next to a bare Qt window of the same size: from
// construction until the window is exposed (the destruction of each run is
// not timed). Goal: at most 1.3 times the bare window. Run on the platform the operator has
// (xvfb-run for a headless machine; offscreen when no display is set).
#include <benchmark/benchmark.h>

#include "app/WizardMainDialog.h"
#include "device/DeviceLink.h"
#include "shell/ProgramSetup.h"
#include "util/Prompter.h"
#include "util/ScriptedPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

void BM_BareWindow(benchmark::State& state) {
    QSize size;
    {
        WizardMainDialog probe;
        size = probe.size();
    }
    for (auto _ : state) {
        auto window = std::make_unique<QDialog>();
        window->resize(size);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window was never exposed");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

void BM_Wizard(benchmark::State& state) {
    for (auto _ : state) {
        auto wizard = std::make_unique<WizardMainDialog>();
        wizard->show();
        if (!QTest::qWaitForWindowExposed(wizard.get()))
            state.SkipWithError("the window was never exposed");
        state.PauseTiming();
        wizard.reset(); // waits for the base the device worker inflates
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Wizard)->Unit(benchmark::kMillisecond);

// The share of the start that loading the parameter base takes.
void BM_ParameterBase(benchmark::State& state) {
    for (auto _ : state) {
        DeviceLink link;
        link.LoadBase();
        benchmark::DoNotOptimize(link.Table());
    }
}
BENCHMARK(BM_ParameterBase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A settings file of its own: the operator's is never read or touched.
    const std::string settings = "/tmp/startup_bench_" + std::to_string(getpid()) + ".conf";
    setenv("ZRK640_CONFIG", settings.c_str(), 1);
    QApplication app(argc, argv);
    ProgramSetup::Apply();
    ScriptedPrompter boxes; // a box would stop the run: none is expected
    InstallPrompter(&boxes);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    InstallPrompter(nullptr);
    std::remove(settings.c_str());
    return 0;
}
