// Undo and Redo over random sessions: every Undo shows exactly what the
// window showed before its command, every Redo what it showed before the Undo.
#include <gtest/gtest.h>

#include <ostream>

#include "actions.h"
#include "model/history.h"
#include "recording.h"

using namespace oltrave;
using namespace oltrave::testing;

namespace {

// Everything a person sees, as plain values to compare.
struct Shown {
    int family = 0;
    std::array<std::string, kBoxCount> boxes;
    std::array<bool, kBoxCount> visible{};
    std::string label;
    bool modesEnabled = true;
    int absmode = 0;
    std::string x;
    std::string zoomText;
    double zoom = 0;
    bool plotted = false;
    std::vector<std::string> lines;
    std::vector<DrawnCurve> curves;
    std::size_t canvasLines = 0;
    std::size_t canvasPoints = 0;
    float firstPointX = 0;
    float lastPointY = 0;

    bool operator==(const Shown&) const = default;
};

// What differs, for a failure message.
void PrintTo(const Shown& s, std::ostream* out) {
    *out << "family " << s.family << ", boxes";
    for (const std::string& box : s.boxes)
        *out << " \"" << box << "\"";
    *out << ", label \"" << s.label << "\", mode " << s.absmode << (s.modesEnabled ? "" : " off")
         << ", x \"" << s.x << "\", zoom \"" << s.zoomText << "\" " << s.zoom
         << (s.plotted ? ", plotted" : "") << ", " << s.lines.size() << " lines, "
         << s.curves.size() << " curves, canvas " << s.canvasLines << " lines " << s.canvasPoints
         << " points";
}

Shown shown(const Bench& bench) {
    const Form& f = bench.form;
    Shown s;
    s.family = f.family();
    for (int box = 0; box < kBoxCount; ++box) {
        s.boxes[static_cast<std::size_t>(box)] = f.boxText(box);
        s.visible[static_cast<std::size_t>(box)] = f.boxVisible(box);
    }
    s.label = std::string(f.formulaLabel());
    s.modesEnabled = f.modesEnabled();
    s.absmode = modeIndex(f.absmode());
    s.x = f.xText();
    s.zoomText = f.zoomText();
    s.zoom = f.zoom();
    s.plotted = f.plotted();
    s.lines = bench.lines();
    s.curves = f.drawnCurves();
    s.canvasLines = bench.canvas.lines.size();
    s.canvasPoints = bench.canvas.points.size();
    if (!bench.canvas.points.empty()) {
        s.firstPointX = bench.canvas.points.front().x;
        s.lastPointY = bench.canvas.points.back().y;
    }
    return s;
}

bool isCommand(Command c) {
    return c == Command::ChooseFamily || c == Command::ClickMode || c == Command::Plot ||
           c == Command::Replot || c == Command::ClearAll || c == Command::Evaluate;
}

UndoableCommand undoable(Command c) {
    switch (c) {
    case Command::ChooseFamily: return UndoableCommand::Family;
    case Command::ClickMode: return UndoableCommand::Mode;
    case Command::Replot: return UndoableCommand::RePrint;
    case Command::ClearAll: return UndoableCommand::Clear;
    case Command::Evaluate: return UndoableCommand::Calculate;
    default: return UndoableCommand::Print;
    }
}

class RandomHistory : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomHistory, UndoShowsWhatWasShownBeforeItsCommand) {
    Bench bench;
    History history(bench.form, bench.session);
    RandomChoices source(GetParam());
    std::vector<std::pair<Shown, Shown>> steps; // before and after each kept step
    int plots = 0;
    while (steps.size() < 40) {
        const Action action = nextAction(source, bench.form);
        if (!isCommand(action.command)) {
            apply(bench.form, action);
            continue;
        }
        if ((action.command == Command::Plot || action.command == Command::Replot) && ++plots > 12)
            continue; // each plot draws 20001 points
        const Shown before = shown(bench);
        const std::size_t stepsBefore = history.steps();
        history.record(undoable(action.command), [&] { apply(bench.form, action); });
        const Shown after = shown(bench);
        if (history.steps() > stepsBefore)
            steps.emplace_back(before, after);
        else
            EXPECT_EQ(before, after) << describe(action) << " changed something, left no step";
    }
    // Each Undo shows the window as it was just before its command ran.
    for (std::size_t k = steps.size(); k-- > 0;) {
        ASSERT_TRUE(history.undo());
        ASSERT_EQ(shown(bench), steps[k].first) << "undo of step " << k;
    }
    EXPECT_FALSE(history.undo());
    // Each Redo shows it as it was when its step was undone: just before the
    // next command, with the edits made in between, or after the last one.
    for (std::size_t k = 0; k < steps.size(); ++k) {
        ASSERT_TRUE(history.redo());
        ASSERT_EQ(shown(bench), k + 1 < steps.size() ? steps[k + 1].first : steps[k].second)
            << "redo of step " << k;
    }
    EXPECT_FALSE(history.redo());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomHistory, ::testing::Range<std::uint64_t>(1, 7));

TEST(History, KeepsTheNewestStepsOnly) {
    Bench bench;
    History history(bench.form, bench.session);
    bench.form.editBox(0, "2");
    history.record(UndoableCommand::Print, [&] { bench.form.plot(); });
    const std::size_t total = History::kMostSteps + 20;
    for (std::size_t i = 1; i < total; ++i) {
        bench.form.editX(std::to_string(i));
        history.record(UndoableCommand::Calculate, [&] { bench.form.evaluate(); });
    }
    EXPECT_EQ(history.steps(), History::kMostSteps);
    while (history.undo()) {
    }
    // The oldest steps are gone: the first Calculates stay in the list.
    EXPECT_EQ(bench.session.lineCount(), 4 + static_cast<int>(total - 1 - History::kMostSteps));
    EXPECT_TRUE(bench.form.plotted());
}

TEST(History, ACommandAfterUndoDropsWhatWasUndone) {
    Bench bench;
    History history(bench.form, bench.session);
    bench.form.editBox(0, "2");
    history.record(UndoableCommand::Print, [&] { bench.form.plot(); });
    history.record(UndoableCommand::Clear, [&] { bench.form.clearAll(); });
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(history.nextRedo(), UndoableCommand::Clear);
    history.record(UndoableCommand::Mode, [&] { bench.form.clickMode(AbsMode::OfValue); });
    EXPECT_FALSE(history.nextRedo());
    EXPECT_EQ(history.nextUndo(), UndoableCommand::Mode);
}

TEST(History, UndoOfClearMovesTheLinesBackWithoutCopies) {
    Bench bench;
    History history(bench.form, bench.session);
    bench.form.editBox(0, "2");
    bench.form.plot();
    const char* first = bench.session.line(0).text.data();
    const std::string text = bench.session.line(0).text;
    const std::size_t marked = bench.session.markedLines().size();
    history.record(UndoableCommand::Clear, [&] { bench.form.clearAll(); });
    ASSERT_EQ(bench.session.lineCount(), 0);
    ASSERT_TRUE(history.undo());
    ASSERT_EQ(bench.session.line(0).text, text);
    // A short text lives inside its string; only a long one shows a move.
    if (text.size() > 15) {
        EXPECT_EQ(bench.session.line(0).text.data(), first);
    }
    EXPECT_EQ(bench.session.markedLines().size(), marked); // marks follow their lines back
}

} // namespace
