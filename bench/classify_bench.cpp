// Where the shape changes, for one coefficient of each family as a slider
// moves it: the whole classification over -10 to 10 must fit in a slider
// step (16 ms), exact mode included.
#include <string>
#include <vector>

#include "analysis/classify.h"
#include "benchmain.h"
#include "exact/exactreader.h"
#include "model/familytable.h"
#include "model/numtext.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kSliderStepMs = 16;

struct ClassifyCase {
    const char* family;
    int mode;
    std::vector<const char*> boxes; // "p" is the parameter
};

// The coefficient with the most boundaries in each family.
const ClassifyCase kCases[] = {
    {"linear", 2, {"2", "p"}},
    {"quadratic", 1, {"1", "p", "-3"}},
    {"cubic", 0, {"1", "-6", "p", "-6"}},
    {"sine", 0, {"2", "2", "p", "-1"}},
    {"cosine", 0, {"1", "1", "0", "p"}},
    {"tangent", 0, {"-2", "2", "p", "0"}},
    {"exponential", 2, {"p", "-3"}},
    {"logarithmic", 1, {"p", "-1"}},
};

const FamilyDescription& familyNamed(const std::string& name) {
    for (int i = 0; i < familyCount(); ++i) {
        if (familyDescription(i)->name == name)
            return *familyDescription(i);
    }
    return *familyDescription(0);
}

std::string key(const ClassifyCase& c, bool exact) {
    return std::string("classify/") + c.family + (exact ? "/exact" : "/decimal");
}

void classifyCase(benchmark::State& state, const ClassifyCase& c, bool exact) {
    const FamilyDescription& family = familyNamed(c.family);
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        RealCoefficients coef;
        int parameter = 0;
        for (std::size_t i = 0; i < coef.size(); ++i) {
            const std::string text = i < c.boxes.size() ? c.boxes[i] : "0";
            if (text == "p")
                parameter = static_cast<int>(i);
            const std::string read = text == "p" ? "0" : text;
            const std::optional<ExactReading> r = exact ? readExact(read) : std::nullopt;
            coef[i] = r ? Real{r->nearest, r->value} : Real(numval(read).value_or(0));
        }
        const ShapeClassification found =
            classifyShapes(family, modeAt(c.mode), coef, parameter, -10, 10);
        std::size_t written = 0;
        for (std::size_t i = 0; i < found.pieces.size(); ++i)
            written += pieceSummary(found, i).size();
        benchmark::DoNotOptimize(written);
        recordIteration(state, key(c, exact), watch.seconds());
        if (found.pieces.empty())
            fail(state, "no pieces");
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> out;
    for (const bool exact : {false, true}) {
        for (const ClassifyCase& c : kCases) {
            const double ms = median(key(c, exact)) * 1000;
            out.push_back({std::string("classify, ") + c.family + (exact ? ", exact" : ", decimal"),
                           fixed(ms, 3) + " ms", "< " + fixed(kSliderStepMs, 0) + " ms",
                           ms < kSliderStepMs});
        }
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    for (const bool exact : {false, true}) {
        for (const ClassifyCase& c : kCases) {
            benchmark::RegisterBenchmark(key(c, exact).c_str(), classifyCase, c, exact)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return runAndReport(figures);
}
