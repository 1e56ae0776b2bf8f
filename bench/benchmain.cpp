#include "benchmain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <map>
#include <sstream>
#include <time.h>

namespace oltrave::bench {

namespace {

std::map<std::string, std::vector<double>>& samples() {
    static std::map<std::string, std::vector<double>> kept;
    return kept;
}

bool failed = false;

} // namespace

double Stopwatch::now() const {
    timespec at{};
    clock_gettime(clock_ == Clock::Wall ? CLOCK_MONOTONIC : CLOCK_THREAD_CPUTIME_ID, &at);
    return static_cast<double>(at.tv_sec) + static_cast<double>(at.tv_nsec) * 1e-9;
}

void record(const std::string& key, double value) {
    samples()[key].push_back(value);
}

void recordIteration(benchmark::State& state, const std::string& key, double seconds) {
    state.SetIterationTime(seconds);
    record(key, seconds);
}

void fail(benchmark::State& state, const std::string& why) {
    failed = true;
    state.SkipWithError(why.c_str());
}

double median(const std::string& key) {
    const auto found = samples().find(key);
    if (found == samples().end() || found->second.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values = found->second;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

std::string fixed(double value, int decimals) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

bool initialise(int& argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    return !benchmark::ReportUnrecognizedArguments(argc, argv);
}

int runAndReport(const std::function<std::vector<Figure>()>& figures) {
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    for (const Figure& figure : figures()) {
        std::printf("figure: %-62s %-28s goal %-9s %s\n", figure.what.c_str(),
                    figure.measured.c_str(), figure.goal.c_str(), figure.met ? "met" : "MISSED");
    }
    return failed ? 1 : 0;
}

} // namespace oltrave::bench
