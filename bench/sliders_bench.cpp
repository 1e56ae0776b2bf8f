// The plot window's sliders: one slider step (the sliders' model, the analysis
// panel's rows, the curve drawn again at 1920 x 1080) for every family in
// decimal and exact mode, and Play's frames against a 60-a-second budget.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "benchmain.h"
#include "model/curvesliders.h"
#include "ui/coefficientrow.h"
#include "ui/mainwindow.h"
#include "ui/playcontrols.h"
#include "ui/plotview.h"
#include "ui/plotwindow.h"
#include "ui/sliderpanel.h"
#include "ui/valueslider.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kStepGoalMs = 16;
constexpr double kFrameBudgetMs = 1000.0 / 60;
constexpr double kMostDropped = 0.01;
constexpr int kPlayFrames = 600; // ten seconds of Play

struct Case {
    const char* name;
    CurveEntry entry;
};

// One curve of each family, as typed.
const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"linear", {0, AbsMode::Plain, {"2", "1", "", ""}}},
        {"quadratic", {1, AbsMode::Plain, {"1", "-2", "-3", ""}}},
        {"cubic", {2, AbsMode::Plain, {"1", "0", "-3", "1"}}},
        {"sine", {3, AbsMode::Plain, {"2", "1", "0", "1"}}},
        {"cosine", {4, AbsMode::Plain, {"2", "1", "0", "1"}}},
        {"tangent", {5, AbsMode::Plain, {"1", "1", "0", "0"}}},
        {"exponential", {6, AbsMode::Plain, {"2", "0", "", ""}}},
        {"logarithmic", {7, AbsMode::Plain, {"2", "0", "", ""}}},
    };
    return all;
}

// The main window with the plot window and the analysis panel open.
struct Windows {
    MainWindow window;
    PlotWindow* plot = nullptr;

    explicit Windows(bool exact) {
        window.setExactValues(exact);
        window.findChild<QAction*>(QStringLiteral("plotwindow"))->trigger();
        window.findChild<QAction*>(QStringLiteral("analysis"))->trigger();
        QApplication::processEvents();
        plot = window.findChild<PlotWindow*>(QStringLiteral("plotwindowframe"));
    }

    // The plot window's picture at 1920 x 1080.
    void draw(QImage& target) const {
        QPainter painter(&target);
        plot->plot().render(painter, QSizeF(target.size()));
    }
};

void sliderStep(benchmark::State& state, const Case& c, bool exact) {
    Windows windows(exact);
    windows.window.printEntered(c.entry);
    SliderPanel& sliders = windows.plot->sliders();
    const std::vector<int> boxes = [&] {
        std::vector<int> found;
        for (int box = 0; box < 4; ++box)
            if (sliders.row(box))
                found.push_back(box);
        return found;
    }();
    if (boxes.empty()) {
        fail(state, std::string("no sliders for ") + c.name);
        return;
    }
    QImage target(1920, 1080, QImage::Format_RGB32);
    const std::string key = std::string("sliders/step/") + c.name + (exact ? "/exact" : "");
    std::size_t step = 0;
    for (auto _ : state) {
        // Each coefficient in turn, one step up, then one back down.
        ValueSlider& slider = sliders.row(boxes[step % boxes.size()])->slider();
        const bool up = (step / boxes.size()) % 2 == 0;
        ++step;
        Stopwatch watch(Stopwatch::Clock::Thread);
        slider.triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                : QAbstractSlider::SliderSingleStepSub);
        windows.draw(target);
        recordIteration(state, key, watch.seconds());
    }
    if (!sliders.moved() && step % (2 * boxes.size()) != 0)
        fail(state, "the slider did not move the curve");
}

// Play at 60 frames a second for ten seconds: each frame's work (the next
// position, the analysis rows, the curve and its trace drawn at 1920 x 1080)
// against the frame's budget.
void playFrames(benchmark::State& state, int family, bool exact) {
    Windows windows(exact);
    const Case& c = cases()[static_cast<std::size_t>(family)];
    windows.window.printEntered(c.entry);
    SliderPanel& sliders = windows.plot->sliders();
    PlayControls& play = sliders.play();
    const std::string key = std::string("sliders/frame/") + c.name + (exact ? "/exact" : "");
    QImage target(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        play.findChild<QObject*>(QStringLiteral("playtrace"))->setProperty("checked", true);
        play.playButton().click();
        if (!play.playing()) {
            fail(state, "Play did not start");
            return;
        }
        int dropped = 0;
        double total = 0;
        for (int frame = 0; frame < kPlayFrames; ++frame) {
            Stopwatch watch(Stopwatch::Clock::Thread);
            play.frameAfter(1.0 / 60);
            windows.draw(target);
            const double ms = watch.seconds() * 1000;
            record(key, ms / 1000);
            total += ms / 1000;
            if (ms > kFrameBudgetMs)
                ++dropped;
        }
        play.stop();
        record(key + "/dropped", static_cast<double>(dropped) / kPlayFrames);
        state.SetIterationTime(total);
    }
}

std::vector<Figure> figures() {
    std::vector<Figure> shown;
    for (const Case& c : cases()) {
        for (const bool exact : {false, true}) {
            const std::string key = std::string("sliders/step/") + c.name + (exact ? "/exact" : "");
            const double ms = median(key) * 1000;
            shown.push_back({std::string("slider step, ") + c.name + (exact ? ", exact" : "") +
                                 ", 1920x1080 with analysis rows",
                             fixed(ms, 2) + " ms", "< " + fixed(kStepGoalMs, 0) + " ms",
                             ms < kStepGoalMs});
        }
    }
    for (const char* play : {"sliders/frame/sine", "sliders/frame/quadratic/exact"}) {
        const double dropped = median(std::string(play) + "/dropped");
        shown.push_back(
            {std::string("Play frames over ") + fixed(kFrameBudgetMs, 1) +
                 " ms, trace on: " + (play + 14),
             fixed(dropped * 100, 2) + " % (median frame " + fixed(median(play) * 1000, 2) + " ms)",
             "<= " + fixed(kMostDropped * 100, 0) + " %", dropped <= kMostDropped});
    }
    return shown;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    for (const Case& c : cases()) {
        for (const bool exact : {false, true}) {
            benchmark::RegisterBenchmark(
                (std::string("sliders/step/") + c.name + (exact ? "/exact" : "")).c_str(),
                [&c, exact](benchmark::State& state) { sliderStep(state, c, exact); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark("sliders/frame/sine",
                                 [](benchmark::State& state) { playFrames(state, 3, false); })
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sliders/frame/quadratic/exact",
                                 [](benchmark::State& state) { playFrames(state, 1, true); })
        ->UseManualTime()
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    return runAndReport(figures);
}
