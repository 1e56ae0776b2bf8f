// Undo and session files: Undo of a Clear of 100,000 lines to the area
// repainted, a session of 10,000 lines saved and opened in the window, and
// what 100 steps over a 100,000-line list hold in memory.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <malloc.h>
#include <memory>
#include <string>

#include "benchmain.h"
#include "cases.h"
#include "drivenwindow.h"
#include "model/history.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kFrameMs = 16;
constexpr double kSessionMs = 100;
constexpr double kMemoryRatio = 2;
constexpr int kLongList = 100000;
constexpr int kSessionLines = 10000;

// A list of the lines a linear Print writes, repeated, with their marks.
void fill(Session& session, int lines) {
    const std::array<std::string, 4> block{"y = 2 x - 4", "    [ x = 0 ] y = -4",
                                           "    [ y = 0 ] x = 2", "    Range : R"};
    const DrawnCurve curve{0, AbsMode::Plain, {2, -4, 0, 0}};
    const Session::Hold once(session);
    for (int i = 0; i < lines; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) % block.size();
        std::vector<Mark> marks;
        if (at == 1 || at == 2)
            marks.push_back(pointMark(MarkKind::Zero, at == 1 ? 0.0 : 2.0, at == 1 ? -4.0 : 0.0));
        session.appendLine({block[at], {}, std::move(marks), {}, curve});
    }
}

bool enterLinear(DrivenWindow& w) {
    return w.act(QStringLiteral("set tx0 2")) && w.act(QStringLiteral("set tx1 -4")) &&
           w.act(QStringLiteral("click prt"));
}

void undoOfClear(benchmark::State& state, DrivenWindow* w) {
    if (!enterLinear(*w)) {
        fail(state, "the function could not be plotted");
        return;
    }
    fill(w->window.session(), kLongList - w->window.session().lineCount());
    const int lines = w->window.session().lineCount(); // a run after the first adds a Print
    for (auto _ : state) {
        if (!w->act(QStringLiteral("menu clear"))) {
            fail(state, "Clear failed");
            return;
        }
        w->settle();
        const std::optional<double> seconds =
            w->timed([w] { return w->act(QStringLiteral("menu undo")); }, true);
        if (!seconds) {
            fail(state, "the area was not repainted within a second of Undo");
            return;
        }
        if (w->window.session().lineCount() != lines) {
            fail(state, "Undo did not bring the lines back");
            return;
        }
        recordIteration(state, "undo-clear", *seconds);
    }
}

void saveAndOpen(benchmark::State& state, DrivenWindow* w) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.oltrave"));
    if (!enterLinear(*w)) {
        fail(state, "the function could not be plotted");
        return;
    }
    fill(w->window.session(), kSessionLines - w->window.session().lineCount());
    const int lines = w->window.session().lineCount();
    for (auto _ : state) {
        const Stopwatch watch;
        const bool done = w->act(QStringLiteral("save-session ") + path) &&
                          w->act(QStringLiteral("open-session ") + path);
        w->settle();
        const double seconds = watch.seconds();
        if (!done || w->window.session().lineCount() != lines) {
            fail(state, "the session did not come back whole");
            return;
        }
        recordIteration(state, "session", seconds);
    }
}

// A canvas that keeps nothing: the memory is the list's and the steps'.
class NoDrawing : public Canvas {
public:
    bool setScale(float, float, float, float) override { return true; }
    void clear() override {}
    void line(float, float, float, float) override {}
    void point(float, float, Colour) override {}
    void points(const CanvasPoint*, std::size_t, Colour) override {}
};

double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd); // large blocks are mapped apart
}

// 99 commands over the full list (Prints, Calculates, wheel notches, mode
// changes), then a Clear: the steps hold the list's lines and the rest.
void memoryOfSteps(benchmark::State& state) {
    for (auto _ : state) {
        NoDrawing canvas;
        auto session = std::make_unique<Session>();
        Form form(canvas, *session);
        form.start();
        const double empty = heapInUse();
        fill(*session, kLongList);
        const double list = heapInUse() - empty;
        History history(form, *session);
        form.editBox(0, "2");
        form.editBox(1, "-4");
        for (int i = 0; i < 99; ++i) {
            switch (i % 4) {
            case 0: history.record(UndoableCommand::Print, [&] { form.plot(); }); break;
            case 1:
                form.editX(std::to_string(i));
                history.record(UndoableCommand::Calculate, [&] { form.evaluate(); });
                break;
            case 2:
                history.record(UndoableCommand::Zoom, [&] { form.wheelZoom(i % 8 < 4 ? 1 : -1); });
                break;
            default:
                history.record(UndoableCommand::Mode, [&] { form.clickMode(modeAt(i % 3)); });
                break;
            }
        }
        history.record(UndoableCommand::Clear, [&] { form.clearAll(); });
        const double held = heapInUse() - empty;
        if (history.steps() < 90) {
            fail(state, "the commands left too few steps");
            return;
        }
        record("memory-ratio", held / list);
        state.counters["list_MB"] = list / 1e6;
        state.counters["steps_MB"] = held / 1e6;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    DrivenWindow clearing;
    DrivenWindow files;
    for (DrivenWindow* w : {&clearing, &files}) {
        w->window.show();
        w->window.activateWindow();
        if (!QTest::qWaitForWindowExposed(&w->window))
            return 1;
    }
    benchmark::RegisterBenchmark("undo/clear-100000", undoOfClear, &clearing)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("session/save-open-10000", saveAndOpen, &files)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("undo/memory-100-steps", memoryOfSteps)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return runAndReport([] {
        const double undoMs = median("undo-clear") * 1e3;
        const double sessionMs = median("session") * 1e3;
        const double ratio = median("memory-ratio");
        return std::vector<Figure>{
            {"Undo of a Clear of 100,000 lines to the repainted area, median",
             fixed(undoMs, 2) + " ms", "< " + fixed(kFrameMs, 0) + " ms", undoMs < kFrameMs},
            {"Save and open a session of 10,000 lines, median", fixed(sessionMs, 2) + " ms",
             "< " + fixed(kSessionMs, 0) + " ms", sessionMs < kSessionMs},
            {"Memory of the list and 100 steps / the list's own", fixed(ratio, 2),
             "< " + fixed(kMemoryRatio, 1), ratio < kMemoryRatio},
        };
    });
}
