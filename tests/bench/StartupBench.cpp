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

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

QSize WizardSize() { return WizardMainDialog().size(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

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

// The same as whole programs, as the operator sees them: from the start of
// the process until its window is exposed, the probes built beside this
// benchmark. Beside the bare window, the same window with one line of the
// welcome text: what the first text of any program costs. The programs run
// in turns, in every order, so a machine that slows down or speeds up during
// the run weighs on all alike.
std::string ProbePath(const char* name) {
    const std::string self = QCoreApplication::applicationDirPath().toStdString();
    return self + "/" + name;
}

// The milliseconds one start took, or a negative number when it failed.
double StartProbe(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1.0;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1.0;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_Programs(benchmark::State& state) {
    const QSize size = WizardSize();
    const std::vector<std::string> bare = {ProbePath("startup_probe_bare"),
                                           std::to_string(size.width()),
                                           std::to_string(size.height())};
    std::vector<std::string> labelled = bare;
    labelled.push_back("Вас приветствует программа");
    const std::vector<std::vector<std::string>> programs = {
        bare, labelled, {ProbePath("startup_probe_wizard")}};
    std::vector<std::vector<double>> ms(programs.size());
    std::size_t turn = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t program = (turn + i) % programs.size();
            const double took = StartProbe(programs[program]);
            if (took < 0) {
                state.SkipWithError("a probe did not start or its window was never exposed");
                return;
            }
            ms[program].push_back(took);
        }
        ++turn;
    }
    const double bareMedian = Median(ms[0]);
    const double labelledMedian = Median(ms[1]);
    const double wizardMedian = Median(ms[2]);
    state.counters["bare_ms"] = bareMedian;
    state.counters["labelled_ms"] = labelledMedian;
    state.counters["wizard_ms"] = wizardMedian;
    state.counters["ratio"] = wizardMedian / bareMedian;
    state.counters["ratio_labelled"] = wizardMedian / labelledMedian;
}
BENCHMARK(BM_Programs)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(6.0);

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
