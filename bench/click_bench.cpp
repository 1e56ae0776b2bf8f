// What a person waits for: from a click on Print or RePrint in the real
// window to the plotting area repainted, off screen.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "benchmain.h"
#include "cases.h"
#include "drivenwindow.h"

namespace {

using namespace oltrave;
using namespace oltrave::bench;

constexpr double kFrameMs = 16;
// A longer list may cost a Print at most this much more than a short one.
constexpr double kLongListRatio = 1.2;
// The analysis panel open may cost a Print at most this much more.
constexpr double kPanelRatio = 1.1;
constexpr int kShortList = 10;
constexpr int kLongList = 100000;

struct Window : DrivenWindow {
    // Seconds from the click to the plotting area repainted (see timed).
    std::optional<double> click(const char* button, bool untilIdle = false) {
        return timed(
            [this, button] {
                QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(button)),
                                  Qt::LeftButton);
                return true;
            },
            untilIdle);
    }

    // The family's function typed in and plotted once.
    bool enter(const FamilyCase& c) {
        bool ok = act(QStringLiteral("family %1").arg(c.family));
        for (std::size_t box = 0; box < c.boxes.size(); ++box) {
            if (*c.boxes[box])
                ok = ok && act(QStringLiteral("set tx%1 %2").arg(box).arg(c.boxes[box]));
        }
        return ok && click("rprt");
    }
};

void clickToPaint(benchmark::State& state, Window* w, const FamilyCase& c, const char* button,
                  const char* series = nullptr) {
    const std::string key = std::string(series ? series : button) + "/" + c.name;
    if (!w->enter(c)) {
        fail(state, "the function could not be typed in and plotted");
        return;
    }
    const bool print = std::string(button) == "prt";
    for (auto _ : state) {
        const std::optional<double> seconds = w->click(button);
        if (!seconds) {
            fail(state, "the plotting area was not repainted within a second");
            return;
        }
        recordIteration(state, key, *seconds);
        // Untimed: back to one curve and one block of lines.
        if (print && !w->click("rprt")) {
            fail(state, "a re-plot was not repainted within a second");
            return;
        }
    }
    state.counters["median_ms"] = median(key) * 1e3;
}

// Print with View > Exact Values on, the boxes holding exact texts.
void exactClickToPaint(benchmark::State& state, Window* w, const FamilyCase& c) {
    w->window.setExactValues(true);
    clickToPaint(state, w, c, "prt", "prt-exact");
    w->window.setExactValues(false);
}

// Print with View > Analysis open: the panel's rows follow every Print.
void panelClickToPaint(benchmark::State& state, Window* w, const FamilyCase& c) {
    auto* analysis = w->window.findChild<QAction*>(QStringLiteral("analysis"));
    if (!analysis) {
        fail(state, "the window has no View > Analysis");
        return;
    }
    analysis->setChecked(true);
    w->settle(); // the panel shown
    clickToPaint(state, w, c, "prt", "prt-panel");
    analysis->setChecked(false);
}

// The most the open panel costs a Print, as a ratio, over the families.
Figure panelRatio() {
    double worst = 0;
    std::string family = "none run";
    bool measured = true;
    for (const FamilyCase& c : kFamilyCases) {
        const double panel = median(std::string("prt-panel/") + c.name);
        const double bare = median(std::string("prt/") + c.name);
        measured = measured && panel > 0 && bare > 0;
        if (bare > 0 && panel / bare >= worst) {
            worst = panel / bare;
            family = c.name;
        }
    }
    return {"Print click with View > Analysis open / closed, median (most: " + family + ")",
            fixed(worst, 2), "< " + fixed(kPanelRatio, 1), measured && worst < kPanelRatio};
}

// The largest time exact mode adds to a Print, over the families.
Figure exactExtra(const std::string& what) {
    double worst = 0;
    std::string family = "none run";
    bool measured = true;
    for (const FamilyCase& c : kFamilyCases) {
        const double exact = median(std::string("prt-exact/") + c.name) * 1e3;
        const double decimal = median(std::string("prt/") + c.name) * 1e3;
        measured = measured && exact > 0 && decimal > 0;
        if (exact - decimal >= worst) {
            worst = exact - decimal;
            family = c.name;
        }
    }
    return {what + ", median (most: " + family + ")", fixed(worst, 2) + " ms",
            "< " + fixed(kFrameMs, 0) + " ms", measured && worst < kFrameMs};
}

// Print with a list already holding 10, 10,000 and 100,000 lines, from the
// click until the plotting area is repainted and nothing is left to do (the
// list's own layout included). Each length has a window of its own and the
// three are timed in turns, one Print each, so that whatever ran before and
// whatever else the machine does meets them alike. The lines Print added are
// taken away again, untimed.
using ListWindows = std::vector<std::unique_ptr<Window>>;

void printsInTurns(benchmark::State& state, ListWindows* made) {
    ListWindows& windows = *made;
    const std::array<int, 3> lengths{kShortList, 10000, kLongList};
    const std::array<std::string, 4> block{"y = 2 x - 4", "    [ x = 0 ] y = -4",
                                           "    [ y = 0 ] x = 2", "    Range : R"};
    if (windows.empty()) {
        for (const int lines : lengths) {
            auto w = std::make_unique<Window>();
            w->window.show();
            if (!QTest::qWaitForWindowExposed(&w->window) || !w->enter(kFamilyCases[0])) {
                fail(state, "the function could not be typed in and plotted");
                return;
            }
            Session& session = w->window.session();
            session.clearLines();
            const Session::Hold once(session);
            for (int i = 0; i < lines; ++i)
                session.appendLine(
                    {block[static_cast<std::size_t>(i) % block.size()], {}, {}, {}, {}});
            windows.push_back(std::move(w));
        }
    }
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            Window& w = *windows[i];
            const std::optional<double> seconds = w.click("prt", true);
            if (!seconds) {
                fail(state, "the plotting area was not repainted within a second");
                return;
            }
            record("lines/" + std::to_string(lengths[i]), *seconds);
            total += *seconds;
            w.window.session().removeLinesFrom(lengths[i]);
        }
        state.SetIterationTime(total);
    }
    for (const int lines : lengths) {
        const std::string key = "lines/" + std::to_string(lines);
        state.counters[key + "_ms"] = median(key) * 1e3;
    }
}

Figure longList() {
    const double shortMs = median("lines/" + std::to_string(kShortList)) * 1e3;
    const double longMs = median("lines/" + std::to_string(kLongList)) * 1e3;
    const double ratio = longMs / shortMs;
    return {"2. Print click with 100,000 lines in the list / with 10",
            fixed(longMs, 2) + " / " + fixed(shortMs, 2) + " ms = " + fixed(ratio, 2),
            "< " + fixed(kLongListRatio, 1), ratio < kLongListRatio};
}

// The slowest family's median for one button.
Figure slowest(const char* button, const std::string& what) {
    double worst = 0;
    std::string family = "none run";
    for (const FamilyCase& c : kFamilyCases) {
        const double ms = median(std::string(button) + "/" + c.name) * 1e3;
        if (ms >= worst) {
            worst = ms;
            family = c.name;
        }
    }
    return {what + ", median (slowest: " + family + ")", fixed(worst, 2) + " ms",
            "< " + fixed(kFrameMs, 0) + " ms", worst > 0 && worst < kFrameMs};
}

} // namespace

int main(int argc, char* argv[]) {
    if (!initialise(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Window w;
    w.window.show();
    w.window.activateWindow(); // without a window manager nobody else does
    if (!QTest::qWaitForWindowActive(&w.window))
        return 1;
    for (const char* button : {"prt", "rprt"}) {
        for (const FamilyCase& c : kFamilyCases) {
            const std::string name = std::string("click/") + button + "/" + c.name;
            benchmark::RegisterBenchmark(name.c_str(), clickToPaint, &w, c, button,
                                         static_cast<const char*>(nullptr))
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    ListWindows listWindows; // made on the first run, closed before the application
    benchmark::RegisterBenchmark("click/prt/lines", printsInTurns, &listWindows)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const FamilyCase& c : kExactFamilyCases) {
        const std::string name = std::string("click/prt-exact/") + c.name;
        benchmark::RegisterBenchmark(name.c_str(), exactClickToPaint, &w, c)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const FamilyCase& c : kFamilyCases) {
        const std::string name = std::string("click/prt-panel/") + c.name;
        benchmark::RegisterBenchmark(name.c_str(), panelClickToPaint, &w, c)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return runAndReport([] {
        return std::vector<Figure>{
            slowest("prt", "2. Print click to repainted area"),
            slowest("rprt", "2. RePrint click to repainted area"), longList(),
            exactExtra("2. Print in exact mode, more than decimal"), panelRatio()};
    });
}
