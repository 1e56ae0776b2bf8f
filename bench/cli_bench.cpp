// The command line: describe as a whole process against a bare QCoreApplication
// program that prints one line, and render of one curve to SVG and to PDF.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/rendercommand.h"
#include "benchmain.h"

extern char** environ;

namespace {

using namespace oltrave::bench;

constexpr double kDescribeRatioGoal = 2;
constexpr double kRenderGoalMs = 100;

// The children run without a display and with a platform that does not
// exist: a program that loaded the GUI platform plugin would fail.
std::vector<std::string> childEnvironment() {
    std::vector<std::string> kept;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("DISPLAY=", 0) != 0 && text.rfind("WAYLAND_DISPLAY=", 0) != 0 &&
            text.rfind("QT_QPA_PLATFORM=", 0) != 0)
            kept.push_back(text);
    }
    kept.push_back("QT_QPA_PLATFORM=nowhere");
    return kept;
}

// Wall time from start to exit; negative when the program failed.
double timedRun(const std::vector<std::string>& arguments) {
    static const std::vector<std::string> environment = childEnvironment();
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const Stopwatch watch;
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(child, &status, 0);
    const double seconds = watch.seconds();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

void describeProcess(benchmark::State& state) {
    const std::vector<std::string> describe{
        OLTRAVE_PROGRAM, "describe", "quadratic", "1", "-2", "-3", "--at", "3"};
    const std::vector<std::string> bare{OLTRAVE_BARE_CORE};
    // The first start of each fills the system's caches.
    if (timedRun(describe) < 0 || timedRun(bare) < 0) {
        fail(state, "describe or the bare program failed without a display");
        return;
    }
    bool bareFirst = false;
    for (auto _ : state) {
        double bareSeconds = bareFirst ? timedRun(bare) : 0;
        const double describeSeconds = timedRun(describe);
        if (!bareFirst)
            bareSeconds = timedRun(bare);
        bareFirst = !bareFirst;
        if (describeSeconds < 0 || bareSeconds < 0) {
            fail(state, "describe or the bare program failed without a display");
            return;
        }
        recordIteration(state, "describe", describeSeconds);
        record("core", bareSeconds);
        record("describe-ratio", describeSeconds / bareSeconds);
    }
    state.counters["ratio"] = median("describe-ratio");
}

void render(benchmark::State& state, const char* suffix) {
    QTemporaryDir dir;
    oltrave::cli::Invocation invocation =
        *oltrave::cli::parseCommandLine({"render", "-o",
                                         dir.filePath(QStringLiteral("plot.") + suffix), "--at",
                                         "3", "sine", "2", "2", "1", "-1"})
             .invocation;
    for (auto _ : state) {
        const Stopwatch watch;
        const oltrave::cli::RenderOutcome outcome = oltrave::cli::renderFile(invocation);
        const double seconds = watch.seconds();
        if (!outcome.fileError.isEmpty() || outcome.shownFailure) {
            fail(state, "the file was not written");
            return;
        }
        recordIteration(state, std::string("render-") + suffix, seconds);
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    const double ratio = median("describe-ratio");
    if (!std::isnan(ratio)) {
        out.push_back({"15. describe process / bare QCoreApplication, no display",
                       fixed(ratio, 2) + " (" + fixed(median("describe") * 1e3, 1) + " / " +
                           fixed(median("core") * 1e3, 1) + " ms)",
                       "<= " + fixed(kDescribeRatioGoal, 1), ratio <= kDescribeRatioGoal});
    }
    for (const char* suffix : {"svg", "pdf"}) {
        const double ms = median(std::string("render-") + suffix) * 1e3;
        if (!std::isnan(ms))
            out.push_back({std::string("15. render one curve to ") + suffix, fixed(ms, 1) + " ms",
                           "< " + fixed(kRenderGoalMs, 0) + " ms", ms < kRenderGoalMs});
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("describe_process", describeProcess)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const char* suffix : {"svg", "pdf"}) {
        benchmark::RegisterBenchmark((std::string("render_") + suffix).c_str(),
                                     [suffix](benchmark::State& state) { render(state, suffix); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return runAndReport(figures);
}
