// The plot window's view: a pan step and a zoom step with ten curves at
// 1920 x 1080 (the cached picture drawn again: grid, labels, every curve
// sampled), and a tangent sampled at 4K width.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>
#include <vector>

#include "benchmain.h"
#include "model/drawncurve.h"
#include "output/gridpainter.h"
#include "overlay/curvesampler.h"
#include "ui/plotview.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kStepGoalMs = 16;
constexpr double kTangentGoalMs = 8;

// One of each family and a few more: ten curves.
std::vector<PlotView::Shown> tenCurves() {
    const DrawnCurve curves[] = {
        {0, modeAt(0), {2, 1, 0, 0}},  {1, modeAt(0), {1, -2, -3, 0}},
        {2, modeAt(0), {1, 0, -3, 0}}, {3, modeAt(0), {2, 2, 1, -1}},
        {4, modeAt(0), {1, 1, 0, 0}},  {5, modeAt(0), {1, 1, 0, 0}},
        {6, modeAt(0), {2, 0, 0, 0}},  {7, modeAt(0), {2, 0, 0, 0}},
        {1, modeAt(1), {1, 0, -4, 0}}, {0, modeAt(2), {-1, 3, 0, 0}},
    };
    std::vector<PlotView::Shown> shown;
    int i = 0;
    for (const DrawnCurve& c : curves)
        shown.push_back({c, curvePaletteColour(i++)});
    return shown;
}

void viewStep(benchmark::State& state, bool zoom) {
    PlotView view;
    view.resize(1920, 1080);
    view.setReach(10);
    view.home();
    view.setCurves(tenCurves());
    QImage target(1920, 1080, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        if (zoom)
            view.zoomAt(QPointF(700, 400), step++ % 2 == 0 ? 0.8 : 1.25);
        else
            view.zoomAt(QPointF(960, 540), 1); // the same scale: a pan's redraw
        QPainter painter(&target);
        view.render(painter, QSizeF(1920, 1080));
        painter.end();
        recordIteration(state, zoom ? "plot/zoom" : "plot/pan", watch.seconds());
    }
}

void tangentAt4K(benchmark::State& state) {
    PlaneView view;
    view.resize(3840, 2160);
    view.home(10, true);
    const auto tangent = [](double x) { return std::optional<double>(std::tan(x)); };
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        const auto lines = sampleCurve(tangent, view);
        benchmark::DoNotOptimize(lines.size());
        recordIteration(state, "plot/tangent4k", watch.seconds());
        if (lines.size() < 6)
            fail(state, "the tangent's branches were not found");
    }
}

// The sampling alone, each curve on its own, to tell it from the stroking.
void samplingOnly(benchmark::State& state) {
    PlaneView view;
    view.resize(1920, 1080);
    view.home(10, true);
    const std::vector<PlotView::Shown> curves = tenCurves();
    for (auto _ : state) {
        Stopwatch watch(Stopwatch::Clock::Thread);
        for (const PlotView::Shown& shown : curves) {
            Stopwatch one(Stopwatch::Clock::Thread);
            const DrawnCurve& curve = shown.curve;
            std::size_t points = 0;
            for (const auto& line :
                 sampleCurve([&curve](double x) { return curve.valueAt(x); }, view))
                points += line.size();
            benchmark::DoNotOptimize(points);
            record("plot/sample/" + std::to_string(curve.family) + "/" + std::to_string(points),
                   one.seconds());
        }
        recordIteration(state, "plot/sample10", watch.seconds());
    }
}

std::vector<Figure> figures() {
    const double pan = median("plot/pan") * 1000;
    const double zoom = median("plot/zoom") * 1000;
    const double tangent = median("plot/tangent4k") * 1000;
    const double sampling = median("plot/sample10") * 1000;
    return {
        {"plot window pan step, 10 curves, 1920x1080", fixed(pan, 2) + " ms",
         "< " + fixed(kStepGoalMs, 0) + " ms", pan < kStepGoalMs},
        {"plot window zoom step, 10 curves, 1920x1080", fixed(zoom, 2) + " ms",
         "< " + fixed(kStepGoalMs, 0) + " ms", zoom < kStepGoalMs},
        {"ten curves sampled at 1920 pixels (part of a step)", fixed(sampling, 2) + " ms",
         "< " + fixed(kStepGoalMs, 0) + " ms", sampling < kStepGoalMs},
        {"tangent sampled at 3840 pixels", fixed(tangent, 2) + " ms",
         "< " + fixed(kTangentGoalMs, 0) + " ms", tangent < kTangentGoalMs},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("plot/pan", viewStep, false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/zoom", viewStep, true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/sample10", samplingOnly)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/tangent4k", tangentAt4K)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return runAndReport(figures);
}
