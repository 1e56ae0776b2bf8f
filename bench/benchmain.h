#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <vector>

namespace oltrave::bench {

// Time of one measured stretch: on the wall clock, or, where other programs
// sharing the machine should not count, on this thread's processor clock.
class Stopwatch {
public:
    enum class Clock { Wall, Thread };
    explicit Stopwatch(Clock clock = Clock::Wall) : clock_(clock), start_(now()) {}
    double seconds() const { return now() - start_; }

private:
    double now() const;

    Clock clock_;
    double start_;
};

// Keeps one sample under key for the figures. Figures use medians: on a
// machine shared with other work they resist stray pauses better than means.
void record(const std::string& key, double value);

// Hands an iteration's time to Google Benchmark (manual timing) and keeps it.
void recordIteration(benchmark::State& state, const std::string& key, double seconds);

// Stops a benchmark that could not measure what it should; the program
// then ends with a failure status, so a broken benchmark cannot go unnoticed.
void fail(benchmark::State& state, const std::string& why);

// Median of the samples kept under key; NaN when there are none.
double median(const std::string& key);

// One line of the summary: what was measured beside its goal.
struct Figure {
    std::string what;
    std::string measured;
    std::string goal;
    bool met;
};

std::string fixed(double value, int decimals);

// Strips Google Benchmark's flags from the arguments and makes Qt draw off
// screen unless a platform is named. False on an unknown flag.
bool initialise(int& argc, char** argv);

// Runs the registered benchmarks, then prints every figure on a line of its
// own beginning with "figure:". Returns the exit status for main: 1 when a
// benchmark failed; a missed goal is a figure, not a failure.
int runAndReport(const std::function<std::vector<Figure>()>& figures);

} // namespace oltrave::bench
