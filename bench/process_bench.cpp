// The whole process from its start until the chooser is painted, beside a bare
// QMainWindow with one menu started the same way: the same probe binary, the same
// platform, the same folder.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

void runProbe(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        char probe[] = KRUGOVIK_STARTUP_PROBE;
        char argument[16] = {};
        std::snprintf(argument, sizeof argument, "%s", mode);
        char *argv[] = {probe, argument, nullptr};
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, probe, nullptr, nullptr, argv, environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the start-up probe did not run");
            return;
        }
    }
}

void StartUp_WholeProcess(benchmark::State &state)
{
    runProbe(state, "krugovik");
}

void StartUp_Baseline_WholeProcessBareMainWindow(benchmark::State &state)
{
    runProbe(state, "bare");
}

} // namespace

BENCHMARK(StartUp_WholeProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);
BENCHMARK(StartUp_Baseline_WholeProcessBareMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);
