// The wizard's start next to a bare Qt window of the same size: in this
// process, from construction until the window is exposed (the destruction
// of each run is not timed), and as whole programs. Goal: at most 1.3 times
// the bare window. Run on the platform the operator has
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
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

QSize WizardSize() { return WizardMainDialog().size(); }

void BM_BareWindow(benchmark::State& state) {
    const QSize size = WizardSize();
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

// The same pair as whole programs, as the operator sees them: from the start
// of the process until its window is exposed, the probes built beside this
// benchmark.
std::string ProbePath(const char* name) {
    const std::string self = QCoreApplication::applicationDirPath().toStdString();
    return self + "/" + name;
}

void RunProbe(benchmark::State& state, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("the probe did not start");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe's window was never exposed");
            return;
        }
    }
}

void BM_BareProgram(benchmark::State& state) {
    const QSize size = WizardSize();
    RunProbe(state, {ProbePath("startup_probe_bare"), std::to_string(size.width()),
                     std::to_string(size.height())});
}
BENCHMARK(BM_BareProgram)->Unit(benchmark::kMillisecond);

void BM_WizardProgram(benchmark::State& state) {
    RunProbe(state, {ProbePath("startup_probe_wizard")});
}
BENCHMARK(BM_WizardProgram)->Unit(benchmark::kMillisecond);

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
