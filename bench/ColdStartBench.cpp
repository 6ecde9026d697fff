// Cold start of the real program under a virtual X server, side by side with a
// bare Qt Widgets program that opens one empty window (bare_qt_window).
//
// The benchmark starts its own Xvfb for the whole run (coldstart/VirtualDisplay).
// Each iteration starts the bare program and then quillfen, each as a fresh
// process on that display (coldstart/Process), and times it from the spawn to
// the MapNotify of a top-level window with the awaited title, watched through
// Xlib on the root window (coldstart/MapWatcher); then kills the process and
// reaps it. One untimed start of each comes first, so that both find the file
// and font caches warm.
//
// The iteration time is quillfen's; the counters give both means, both minima
// and the ratio of the means. quillfen's time includes its one-second About
// splash by design, and so does the ratio.
#include "coldstart/Deadline.h"
#include "coldstart/MapWatcher.h"
#include "coldstart/Process.h"
#include "coldstart/VirtualDisplay.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using coldstart::Clock;
using coldstart::KillAndReap;
using coldstart::MapWatcher;
using coldstart::ProgramEnvironment;
using coldstart::Spawn;
using coldstart::VirtualDisplay;

constexpr std::string_view kProgramTitle = "BRIX Tool";
constexpr std::string_view kBareTitle = "Bare Qt Window"; // what BareQtWindow.cpp shows
constexpr auto kWindowLimit = std::chrono::seconds(20);
constexpr auto kTeardownLimit = std::chrono::seconds(2);

struct Program {
    const char* path;
    std::string_view title;
};

// Seconds from the spawn to the window, or nothing with the reason in `failure`.
std::optional<double> timeStart(
    const Program& program, MapWatcher& watcher, const ProgramEnvironment& environment, std::string& failure)
{
    watcher.reset();
    Clock::time_point started = Clock::now();
    pid_t pid = Spawn({ program.path, nullptr }, environment.get(), false);
    std::optional<Clock::time_point> shown = watcher.waitForTitle(program.title, pid, started + kWindowLimit);
    if (!shown) {
        if (watcher.exited())
            failure = std::string(program.path) + " exited (wait status " + std::to_string(watcher.exitStatus())
                + ") before a window \"" + std::string(program.title) + "\" was mapped";
        else
            failure = std::string(program.path) + ": no window \"" + std::string(program.title) + "\" within "
                + std::to_string(kWindowLimit.count()) + " s";
        if (!watcher.exited())
            KillAndReap(pid);
        return std::nullopt;
    }
    KillAndReap(pid);
    watcher.waitUntilGone(Clock::now() + kTeardownLimit);
    return std::chrono::duration<double>(*shown - started).count();
}

void BM_ColdStart(benchmark::State& state, const VirtualDisplay& display)
{
    const Program quillfen { QUILLFEN_PROGRAM, kProgramTitle };
    const Program bare { BARE_QT_WINDOW_PROGRAM, kBareTitle };
    for (const Program* program : { &quillfen, &bare }) {
        if (access(program->path, X_OK) != 0) {
            state.SkipWithError((std::string(program->path) + " is not built").c_str());
            return;
        }
    }
    MapWatcher watcher(display.name());
    ProgramEnvironment environment(display.name());
    std::string failure;

    for (const Program* program : { &bare, &quillfen }) {
        if (!timeStart(*program, watcher, environment, failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }
    }

    double bareTotal = 0;
    double programTotal = 0;
    double bareMin = std::numeric_limits<double>::infinity();
    double programMin = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        std::optional<double> bareTime = timeStart(bare, watcher, environment, failure);
        std::optional<double> programTime
            = bareTime ? timeStart(quillfen, watcher, environment, failure) : std::nullopt;
        if (!programTime) {
            state.SkipWithError(failure.c_str());
            break;
        }
        state.SetIterationTime(*programTime);
        bareTotal += *bareTime;
        programTotal += *programTime;
        bareMin = std::min(bareMin, *bareTime);
        programMin = std::min(programMin, *programTime);
    }
    if (state.iterations() == 0 || bareTotal == 0)
        return;

    constexpr double kMsPerSecond = 1000.0;
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bareTotal / runs * kMsPerSecond;
    state.counters["quillfen_ms"] = programTotal / runs * kMsPerSecond;
    state.counters["bare_min_ms"] = bareMin * kMsPerSecond;
    state.counters["quillfen_min_ms"] = programMin * kMsPerSecond;
    state.counters["ratio"] = programTotal / bareTotal;
    state.SetLabel("quillfen's time and the ratio include its 1 s splash");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    try {
        VirtualDisplay display;
        // Each start takes over a second: a handful of iterations, each starting both programs.
        constexpr int kIterations = 5;
        benchmark::RegisterBenchmark("BM_ColdStart/quillfen_vs_bare_qt_window",
            [&display](benchmark::State& state) { BM_ColdStart(state, display); })
            ->UseManualTime()
            ->Iterations(kIterations)
            ->Unit(benchmark::kMillisecond);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "coldstart_bench: %s\n", failure.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
