// The layer above the plot: mouse move to a repainted read-out, one wheel
// notch with ten curves on the area and after 10 to 10,000 Prints, and a
// re-plot with Key Points on against the same with it off, each until the
// plotting area is repainted.
#include <QApplication>
#include <QTest>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "benchmain.h"
#include "drivenwindow.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kMoveGoalMs = 8;
constexpr double kWheelGoalMs = 16;
constexpr double kKeyPointsGoalRatio = 1.2;
constexpr int kCurves = 10;
constexpr std::array<int, 3> kSessionPrints{10, 1000, 10000};
constexpr double kSessionGoalRatio = 1.5;

struct Window : DrivenWindow {
    // Seconds from the action to the plotting area repainted; none when it was not.
    std::optional<double> timed(const QString& line) {
        return DrivenWindow::timed([this, &line] { return act(line); });
    }

    bool keyPoints(bool on) {
        auto* option = window.findChild<QAction*>(QStringLiteral("keypoints"));
        if (option->isChecked() != on)
            option->trigger();
        return option->isChecked() == on;
    }
};

bool quadratic(Window* w) {
    return w->act(QStringLiteral("family 1")) && w->act(QStringLiteral("set tx0 1")) &&
           w->act(QStringLiteral("set tx1 -2")) && w->act(QStringLiteral("set tx2 -3")) &&
           w->act(QStringLiteral("click rprt"));
}

void moveToReadout(benchmark::State& state, Window* w) {
    if (!quadratic(w) || !w->keyPoints(true)) {
        fail(state, "the curve could not be plotted");
        return;
    }
    int column = 100;
    for (auto _ : state) {
        column = column == 100 ? 300 : 100;
        const std::optional<double> seconds = w->timed(QStringLiteral("hover %1 150").arg(column));
        if (!seconds) {
            fail(state, "the read-out was not repainted within a second");
            return;
        }
        recordIteration(state, "move", *seconds);
    }
    w->act(QStringLiteral("leave"));
    state.counters["median_ms"] = median("move") * 1e3;
}

void wheelNotch(benchmark::State& state, Window* w) {
    bool ok = w->act(QStringLiteral("family 3")) && w->act(QStringLiteral("click cleara"));
    for (int i = 1; ok && i <= kCurves; ++i) {
        ok = w->act(QStringLiteral("set tx0 %1").arg(i)) && w->act(QStringLiteral("set tx1 1")) &&
             w->act(QStringLiteral("click prt"));
    }
    if (!ok || w->window.form().drawnCurves().size() != kCurves) {
        fail(state, "the ten curves could not be plotted");
        return;
    }
    int notch = 1;
    for (auto _ : state) {
        notch = -notch;
        const std::optional<double> seconds = w->timed(QStringLiteral("wheel %1").arg(notch));
        if (!seconds) {
            fail(state, "the area was not repainted within a second");
            return;
        }
        recordIteration(state, "wheel", *seconds);
    }
    state.counters["median_ms"] = median("wheel") * 1e3;
}

// A wheel notch after many Prints of one curve, or of as many different
// curves, with Key Points off or on: its cost must not grow with the session.
struct PrintRun {
    int prints;
    bool same;
    bool keyPoints;

    std::string key() const {
        return "wheel/" + std::to_string(prints) + (same ? "-same" : "-different") +
               (keyPoints ? "-keypoints" : "");
    }
};

void wheelAfterPrints(benchmark::State& state, Window* w, PrintRun session) {
    // Printed with Key Points off: thousands of different curves' marks would
    // be drawn after every Print. The lines keep their marks either way.
    bool ok = w->keyPoints(false) && w->act(QStringLiteral("family 0")) &&
              w->act(QStringLiteral("click cleara")) && w->act(QStringLiteral("set tx0 2")) &&
              w->act(QStringLiteral("set tx1 -4"));
    for (int i = 1; ok && i <= session.prints; ++i) {
        if (!session.same)
            ok = w->act(QStringLiteral("set tx1 %1").arg(i % 2 ? i : -i));
        ok = ok && w->act(QStringLiteral("click prt"));
    }
    if (!ok || w->window.form().drawnCurves().size() != static_cast<std::size_t>(session.prints)) {
        fail(state, "the curves could not be plotted");
        return;
    }
    if (!w->keyPoints(session.keyPoints)) {
        fail(state, "Key Points could not be switched");
        return;
    }
    int notch = 1;
    for (auto _ : state) {
        notch = -notch;
        const std::optional<double> seconds = w->timed(QStringLiteral("wheel %1").arg(notch));
        if (!seconds) {
            fail(state, "the area was not repainted within a second");
            return;
        }
        recordIteration(state, session.key(), *seconds);
    }
    state.counters["median_ms"] = median(session.key()) * 1e3;
}

void reprint(benchmark::State& state, Window* w, bool on) {
    const std::string key = on ? "reprint/on" : "reprint/off";
    if (!quadratic(w) || !w->keyPoints(on)) {
        fail(state, "the curve could not be plotted");
        return;
    }
    for (auto _ : state) {
        const std::optional<double> seconds = w->timed(QStringLiteral("click rprt"));
        if (!seconds) {
            fail(state, "the area was not repainted within a second");
            return;
        }
        recordIteration(state, key, *seconds);
    }
    state.counters["median_ms"] = median(key) * 1e3;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Window w;
    w.window.show();
    w.window.activateWindow();
    if (!QTest::qWaitForWindowActive(&w.window))
        return 1;
    benchmark::RegisterBenchmark("trace/move", moveToReadout, &w)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("wheel/ten-curves", wheelNotch, &w)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const bool keyPoints : {false, true}) {
        for (const bool same : {true, false}) {
            for (const int prints : kSessionPrints) {
                const PrintRun session{prints, same, keyPoints};
                benchmark::RegisterBenchmark(session.key().c_str(), wheelAfterPrints, &w, session)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RegisterBenchmark("keypoints/reprint-off", reprint, &w, false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("keypoints/reprint-on", reprint, &w, true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return runAndReport([] {
        const double move = median("move") * 1e3;
        const double wheel = median("wheel") * 1e3;
        const double ratio = median("reprint/on") / median("reprint/off");
        std::vector<Figure> figures{
            {"7. Mouse move to repainted read-out, median", fixed(move, 2) + " ms",
             "< " + fixed(kMoveGoalMs, 0) + " ms", move > 0 && move < kMoveGoalMs},
            {"7. One wheel notch, ten curves, median", fixed(wheel, 2) + " ms",
             "< " + fixed(kWheelGoalMs, 0) + " ms", wheel > 0 && wheel < kWheelGoalMs},
            {"7. RePrint with Key Points on / off, medians", fixed(ratio, 2) + "x",
             "< " + fixed(kKeyPointsGoalRatio, 1) + "x", ratio > 0 && ratio < kKeyPointsGoalRatio},
        };
        for (const bool keyPoints : {false, true}) {
            for (const bool same : {true, false}) {
                const std::string curves =
                    std::string(same ? "the same curve" : "different curves") +
                    (keyPoints ? ", Key Points on" : "");
                const double first =
                    median(PrintRun{kSessionPrints.front(), same, keyPoints}.key()) * 1e3;
                for (const int prints : kSessionPrints) {
                    const double ms = median(PrintRun{prints, same, keyPoints}.key()) * 1e3;
                    figures.push_back(
                        {"One wheel notch after " + std::to_string(prints) + " Prints of " +
                             curves + ", median",
                         fixed(ms, 2) + " ms (" + fixed(ms / first, 2) + "x)",
                         "< " + fixed(kSessionGoalRatio, 1) + "x the 10 Prints figure",
                         ms > 0 && ms < kSessionGoalRatio * first});
                }
            }
        }
        return figures;
    });
}
