// Start-up and memory: the program's probe and a bare Qt window's probe are
// started as child processes, in turns, and timed from just before the start
// to the moment each says its first paint is complete.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "benchmain.h"

extern char** environ;

namespace {

using namespace oltrave::bench;

constexpr double kRatioGoal = 1.3;
constexpr double kMemoryGoalMiB = 10;
constexpr int kPlots = 200;

struct Outcome {
    double seconds = 0; // to the first paint
    long peakKiB = 0;
    long lines = 0; // in the list after the plots
    bool ok = false;
};

// Starts a probe with its standard output on a pipe and reads what it says
// until it ends. Its standard error is dropped: Qt's notes about the session
// would drown the figures.
Outcome launch(const char* program, const std::string& argument = {}) {
    Outcome outcome;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return outcome;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program)};
    if (!argument.empty())
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const Stopwatch watch;
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return outcome;
    }
    std::FILE* said = fdopen(pipeEnds[0], "r");
    char line[128];
    while (std::fgets(line, sizeof line, said)) {
        if (std::strcmp(line, "painted\n") == 0)
            outcome.seconds = watch.seconds();
        std::sscanf(line, "peak-kib %ld", &outcome.peakKiB);
        std::sscanf(line, "lines %ld", &outcome.lines);
    }
    std::fclose(said);
    int status = 0;
    waitpid(child, &status, 0);
    outcome.ok = outcome.seconds > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

void startup(benchmark::State& state) {
    // The first start of each fills the system's caches.
    if (!launch(OLTRAVE_WINDOW_PROBE).ok || !launch(OLTRAVE_BARE_PROBE).ok) {
        fail(state, "a probe did not start, paint and end");
        return;
    }
    bool bareFirst = false;
    for (auto _ : state) {
        Outcome bare;
        if (bareFirst)
            bare = launch(OLTRAVE_BARE_PROBE);
        const Outcome window = launch(OLTRAVE_WINDOW_PROBE);
        if (!bareFirst)
            bare = launch(OLTRAVE_BARE_PROBE);
        bareFirst = !bareFirst;
        if (!window.ok || !bare.ok) {
            fail(state, "a probe did not start, paint and end");
            return;
        }
        recordIteration(state, "window", window.seconds);
        record("bare", bare.seconds);
        record("ratio", window.seconds / bare.seconds);
    }
    state.counters["bare_ms"] = median("bare") * 1e3;
    state.counters["ratio"] = median("ratio");
}

void memory(benchmark::State& state) {
    for (auto _ : state) {
        const Outcome window = launch(OLTRAVE_WINDOW_PROBE, std::to_string(kPlots));
        const Outcome bare = launch(OLTRAVE_BARE_PROBE);
        if (!window.ok || !bare.ok || window.peakKiB <= 0 || bare.peakKiB <= 0) {
            fail(state, "a probe did not start, paint, report and end");
            return;
        }
        // Every valid plot lists at least its formula.
        if (window.lines < kPlots) {
            fail(state, "the plots did not all reach the list");
            return;
        }
        record("window-kib", static_cast<double>(window.peakKiB));
        record("bare-kib", static_cast<double>(bare.peakKiB));
        state.counters["window_mib"] = static_cast<double>(window.peakKiB) / 1024;
        state.counters["bare_mib"] = static_cast<double>(bare.peakKiB) / 1024;
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    const double ratio = median("ratio");
    if (!std::isnan(ratio)) {
        out.push_back({"3. start-up to first paint, window / bare window",
                       fixed(ratio, 2) + " (" + fixed(median("window") * 1e3, 1) + " / " +
                           fixed(median("bare") * 1e3, 1) + " ms)",
                       "<= " + fixed(kRatioGoal, 1), ratio <= kRatioGoal});
    }
    const double window = median("window-kib") / 1024;
    const double bare = median("bare-kib") / 1024;
    if (!std::isnan(window) && !std::isnan(bare)) {
        const double above = window - bare;
        out.push_back(
            {"3. peak memory after " + std::to_string(kPlots) + " plots, above bare",
             fixed(above, 1) + " MiB (" + fixed(window, 1) + " / " + fixed(bare, 1) + " MiB)",
             "<= " + fixed(kMemoryGoalMiB, 0) + " MiB", above <= kMemoryGoalMiB});
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    benchmark::RegisterBenchmark("startup", startup)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    // Memory is a count, not a time: one run says it.
    benchmark::RegisterBenchmark("peak_memory", memory)->Iterations(1);
    return runAndReport(figures);
}
