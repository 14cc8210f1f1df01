// The whole process from its start until the chooser is painted, beside a bare
// QMainWindow with one menu started the same way: the same probe binary, the same
// platform, the same folder.
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <benchmark/benchmark.h>
#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

// A director's folder: the sample base and tournaments, which the chooser lists.
std::string directorsFolder()
{
    static QTemporaryDir folder;
    static const bool filled = [] {
        bool copied = folder.isValid();
        for (const char *name : {"BASE.DAT", "KUBOK.TXT", "PERVENSTVO.TXT"})
            copied = copied && QFile::copy(QStringLiteral(KRUGOVIK_EXAMPLES_DIR "/") +
                                               QLatin1String(name),
                                           folder.filePath(QLatin1String(name)));
        return copied;
    }();
    return filled ? QFile::encodeName(folder.path()).toStdString() : std::string();
}

// Runs the probe showing `mode` on `platform`; false when it did not end well.
bool runProbe(const char *mode, const char *platform)
{
    std::vector<std::string> variables;
    for (char **variable = environ; *variable; ++variable) {
        if (std::string(*variable).rfind("QT_QPA_PLATFORM=", 0) != 0)
            variables.emplace_back(*variable);
    }
    variables.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    std::vector<char *> envp;
    for (std::string &variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    std::string probe = KRUGOVIK_STARTUP_PROBE;
    std::string argument = mode;
    char *argv[] = {probe.data(), argument.data(), nullptr};
    // The probe starts in the director's folder, as the program does from its launcher.
    const std::string folder = directorsFolder();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t child = 0;
    int status = 0;
    const bool ran =
        !folder.empty() &&
        posix_spawn(&child, probe.c_str(), &actions, nullptr, argv, envp.data()) == 0 &&
        waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return ran;
}

// Times one run of the program's probe and one of the bare window, in turn first, as one
// repetition: the time is the program's, the counters the baseline's and their ratio, so that
// a machine getting slower or faster between repetitions changes both alike.
void timePair(benchmark::State &state, bool onDisplay)
{
    if (onDisplay && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no display: run the benchmarks under xvfb-run");
        return;
    }
    const char *platform = onDisplay ? "xcb" : "offscreen";
    static int turn = 0;
    for (auto _ : state) {
        double seconds[2] = {};
        const bool programFirst = ++turn % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            const int which = programFirst ? k : 1 - k; // 0: the program, 1: the bare window
            const auto start = std::chrono::steady_clock::now();
            if (!runProbe(which == 0 ? "krugovik" : "bare", platform)) {
                state.SkipWithError("the start-up probe did not run");
                return;
            }
            seconds[which] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        state.SetIterationTime(seconds[0]);
        state.counters["baseline_ms"] = seconds[1] * 1000;
        state.counters["ratio"] = seconds[0] / seconds[1];
    }
}

void StartUp_WholeProcess_OnDisplay(benchmark::State &state)
{
    timePair(state, true);
}

void StartUp_WholeProcess_Offscreen(benchmark::State &state)
{
    timePair(state, false);
}

void registerPaired(const char *name, void (*function)(benchmark::State &))
{
    benchmark::RegisterBenchmark(name, function)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(41)
        ->ReportAggregatesOnly(true);
}

const bool registered = [] {
    registerPaired("StartUp_WholeProcess_OnDisplay", StartUp_WholeProcess_OnDisplay);
    registerPaired("StartUp_WholeProcess_Offscreen", StartUp_WholeProcess_Offscreen);
    return true;
}();

} // namespace
