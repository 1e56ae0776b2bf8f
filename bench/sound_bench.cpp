// Rendering the 3-second sweep of a curve, cues included, into samples.
#include <array>
#include <string>

#include "benchmain.h"
#include "model/familytable.h"
#include "sound/sweep.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kGoalMs = 50;

struct SoundCase {
    const char* name;
    int family;
    std::array<double, 4> coef;
    sound::Cues cues;
};

// y = x, and y = tan x with its zeros and asymptotes across the view of 10.
const SoundCase kCases[] = {
    {"linear", 0, {1, 0, 0, 0}, {{0}, {}, {}}},
    {"tangent",
     5,
     {1, 1, 0, 0},
     {{-9.42477796076938, -6.28318530717959, -3.14159265358979, 0, 3.14159265358979,
       6.28318530717959, 9.42477796076938},
      {},
      {-7.85398163397448, -4.71238898038469, -1.5707963267949, 1.5707963267949, 4.71238898038469,
       7.85398163397448}}},
};

void render(benchmark::State& state, const SoundCase& c) {
    const sound::CurveFunction curve = [&c](double x) {
        return valueInMode(*familyDescription(c.family), AbsMode::Plain, c.coef, x);
    };
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        const sound::Samples samples = sound::renderSweep(curve, 10, c.cues);
        benchmark::DoNotOptimize(samples.data());
        recordIteration(state, std::string("sound/") + c.name, watch.seconds());
        if (samples.empty())
            fail(state, "no samples rendered");
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    for (const SoundCase& c : kCases) {
        const double ms = median(std::string("sound/") + c.name) * 1000;
        out.push_back({std::string("3 s sweep rendered, ") + c.name, fixed(ms, 2) + " ms",
                       "< " + fixed(kGoalMs, 0) + " ms", ms < kGoalMs});
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    for (const SoundCase& c : kCases) {
        benchmark::RegisterBenchmark((std::string("sound/") + c.name).c_str(), render, c)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return runAndReport(figures);
}
