// The complete analysis of one function of each family, decimal and exact,
// from the coefficients as Print reads them.
#include <string>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/rows.h"
#include "benchmain.h"
#include "exact/exactreader.h"
#include "model/familytable.h"
#include "model/numtext.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kExactGoalMs = 5;
constexpr double kDecimalGoalMs = 0.5;

struct AnalysisCase {
    const char* family;
    int mode;
    std::vector<const char*> boxes;
};

// Each family with the closed forms the exact analysis works hardest for.
const AnalysisCase kCases[] = {
    {"linear", 1, {"2", "-4"}},
    {"quadratic", 1, {"1", "-2", "-3"}},
    {"cubic", 0, {"1", "-6", "11", "-6"}},
    {"sine", 0, {"2", "2", "π/3", "-1"}},
    {"cosine", 0, {"1", "1", "0", "-1/2"}},
    {"tangent", 0, {"-2", "2", "π/2", "2"}},
    {"exponential", 2, {"2", "-3"}},
    {"logarithmic", 2, {"2", "-1"}},
};

const FamilyDescription& familyNamed(const std::string& name) {
    for (int i = 0; i < familyCount(); ++i) {
        if (familyDescription(i)->name == name)
            return *familyDescription(i);
    }
    return *familyDescription(0);
}

std::string key(const AnalysisCase& c, bool exact) {
    return std::string("analysis/") + c.family + (exact ? "/exact" : "/decimal");
}

void analyseCase(benchmark::State& state, const AnalysisCase& c, bool exact) {
    const FamilyDescription& family = familyNamed(c.family);
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        // Read as the boxes are, each time: an exact value is made from its text.
        RealCoefficients coef;
        for (std::size_t i = 0; i < c.boxes.size(); ++i) {
            if (exact) {
                const std::optional<ExactReading> r = readExact(c.boxes[i]);
                coef[i] = Real{r->nearest, r->value};
            } else {
                coef[i] = Real(numval(c.boxes[i]).value_or(0));
            }
        }
        if (exact) {
            for (std::size_t i = c.boxes.size(); i < coef.size(); ++i)
                coef[i] = Real{0, ExactValue::integer(0)};
        }
        const std::optional<Analysis> analysis = analyse(family, modeAt(c.mode), coef);
        std::size_t written = 0;
        if (analysis) {
            for (const AnalysisRow& row : analysisRows(*analysis))
                written += row.value.size();
        }
        benchmark::DoNotOptimize(written);
        recordIteration(state, key(c, exact), watch.seconds());
        if (!analysis)
            fail(state, "no analysis");
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    for (const bool exact : {false, true}) {
        for (const AnalysisCase& c : kCases) {
            const double ms = median(key(c, exact)) * 1000;
            const double goal = exact ? kExactGoalMs : kDecimalGoalMs;
            out.push_back({std::string("analysis, ") + c.family + (exact ? ", exact" : ", decimal"),
                           fixed(ms, 3) + " ms", "< " + fixed(goal, 1) + " ms", ms < goal});
        }
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    for (const bool exact : {false, true}) {
        for (const AnalysisCase& c : kCases) {
            benchmark::RegisterBenchmark(key(c, exact).c_str(), analyseCase, c, exact)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return runAndReport(figures);
}
