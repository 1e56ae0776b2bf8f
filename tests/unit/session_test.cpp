#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/session.h"
#include "overlay/keypoints.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

using Kind = SessionChange::Kind;

std::string kindName(Kind kind) {
    switch (kind) {
    case Kind::LinesAppended: return "appended";
    case Kind::LinesRemoved: return "removed";
    case Kind::AreaRedrawn: return "redrawn";
    case Kind::StatusChanged: return "status";
    }
    return "?";
}

// The notices as short words: "appended 4" for lines from row 4 on.
std::vector<std::string> words(const std::vector<SessionChange>& changes) {
    std::vector<std::string> out;
    for (const SessionChange& change : changes) {
        const bool rows = change.kind == Kind::LinesAppended || change.kind == Kind::LinesRemoved;
        out.push_back(kindName(change.kind) + (rows ? " " + std::to_string(change.firstRow) : ""));
    }
    return out;
}

// A started form whose session's notices are kept from the moment it is asked.
struct Watched : Bench {
    std::vector<SessionChange> changes;

    Watched() {
        session.listen([this](const SessionChange& change) { changes.push_back(change); });
    }
    void linear(const char* k, const char* b) {
        form.chooseFamily(0);
        form.editBox(0, k);
        form.editBox(1, b);
    }
    std::vector<int> markedRows() const {
        std::vector<int> rows;
        for (const MarkedLine& line : session.markedLines())
            rows.push_back(line.row);
        return rows;
    }
};

struct CommandCase {
    const char* name;
    std::function<void(Watched&)> before; // untold
    std::function<void(Watched&)> command;
    std::vector<std::string> told;
    int lines;
    std::size_t curves;
    Status status;
    std::vector<int> markedRows;
};

const DrawnCurve kLine{0, AbsMode::Plain, {2, -4, 0, 0}};

// What each command leaves in the session and what it tells: a command's
// lines arrive in one notice, before the area is drawn again.
TEST(Session, EachCommandTellsWhatItChanged) {
    const auto plotLine = [](Watched& w) {
        w.linear("2", "-4");
        w.form.plot();
    };
    // clang-format off
    const std::vector<CommandCase> cases{
        {"first Print", [](Watched& w) { w.linear("2", "-4"); },
         [](Watched& w) { w.form.plot(); },
         {"appended 0", "redrawn"}, 4, 1, Status::Ok, {1, 2}},
        {"second Print", plotLine, [](Watched& w) { w.form.plot(); },
         {"appended 4", "redrawn"}, 8, 2, Status::Ok, {1, 2, 5, 6}},
        {"RePrint", [](Watched& w) { w.linear("2", "-4"); w.form.plot(); w.form.plot(); },
         [](Watched& w) { w.form.replot(); },
         {"removed 0", "appended 0", "redrawn"}, 4, 1, Status::Ok, {1, 2}},
        {"RePrint of an empty list", [](Watched& w) { w.linear("2", "-4"); },
         [](Watched& w) { w.form.replot(); },
         {"appended 0", "redrawn"}, 4, 1, Status::Ok, {1, 2}},
        {"Calculate", plotLine, [](Watched& w) { w.form.editX("1"); w.form.evaluate(); },
         {"appended 4"}, 5, 1, Status::Ok, {1, 2}},
        {"Calculate before any plot", [](Watched& w) { w.linear("2", "-4"); },
         [](Watched& w) { w.form.editX("1"); w.form.evaluate(); },
         {}, 0, 0, Status::Ok, {}},
        {"Clear", plotLine, [](Watched& w) { w.form.clearAll(); },
         {"removed 0", "redrawn"}, 0, 0, Status::Ok, {}},
        {"wheel notch", plotLine, [](Watched& w) { EXPECT_TRUE(w.form.wheelZoom(1)); },
         {"redrawn"}, 4, 1, Status::Ok, {1, 2}},
        {"Not a Function keeps the lines", plotLine,
         [](Watched& w) { w.form.editBox(0, "0"); w.form.plot(); },
         {"status", "redrawn"}, 4, 0, Status::NotAFunction, {1, 2}},
        {"an edit restores the formula",
         [](Watched& w) { w.linear("0", "1"); w.form.plot(); },
         [](Watched& w) { w.form.editBox(0, "3"); },
         {"status"}, 0, 0, Status::Ok, {}},
        {"refused zoom", [](Watched& w) { w.linear("2", "-4"); w.form.editZoom("-5"); },
         [](Watched& w) { w.form.plot(); },
         {"status", "redrawn"}, 0, 0, Status::ZoomError, {}},
        {"a usable zoom plots again",
         [](Watched& w) { w.linear("2", "-4"); w.form.editZoom("-5"); w.form.plot(); },
         [](Watched& w) { w.form.editZoom("5"); w.form.plot(); },
         {"status", "appended 0", "redrawn"}, 4, 1, Status::Ok, {1, 2}},
    };
    // clang-format on
    for (const CommandCase& c : cases) {
        Watched w;
        c.before(w);
        w.changes.clear();
        c.command(w);
        EXPECT_EQ(words(w.changes), c.told) << c.name;
        EXPECT_EQ(w.session.lineCount(), c.lines) << c.name;
        EXPECT_EQ(w.session.curves().size(), c.curves) << c.name;
        EXPECT_EQ(w.form.status(), c.status) << c.name;
        EXPECT_EQ(w.markedRows(), c.markedRows) << c.name;
    }
}

TEST(Session, LinesKeepTheirTextMarksAndCurve) {
    Watched w;
    w.linear("2", "-4");
    w.form.plot();
    w.form.editX("1");
    w.form.evaluate();
    ASSERT_EQ(w.lines(), (std::vector<std::string>{"y = 2 x - 4", "    [ x = 0 ] y = -4",
                                                   "    [ y = 0 ] x = 2", "    Range : R",
                                                   "    [ x = 1 ] y = -2"}));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(w.session.line(row).curve, kLine) << row;
        EXPECT_EQ(w.session.line(row).decimalText, "") << row; // decimal mode keeps none
    }
    EXPECT_FALSE(w.session.line(4).curve); // Calculate belongs to no plot
    const SessionLine& zero = w.session.line(2);
    ASSERT_EQ(zero.marks.size(), 1u);
    EXPECT_EQ(zero.marks[0].kind, MarkKind::Zero);
    EXPECT_EQ(zero.marks[0].x, 2);
    EXPECT_EQ(zero.marks[0].y, 0);
    const std::vector<MarkedLine> marked = w.session.markedLines();
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[1].row, 2);
    EXPECT_EQ(marked[1].text, "    [ y = 0 ] x = 2");
    EXPECT_EQ(marked[1].curve, kLine);
    EXPECT_EQ(marked[0].marks[0].kind, MarkKind::ValueAtZero);
    EXPECT_EQ(marked[0].marks[0].y, -4);
}

TEST(Session, ExactLinesKeepTheDecimalLine) {
    Watched w;
    w.form.setExactValues(true);
    w.linear("3", "-1");
    w.form.plot();
    ASSERT_EQ(w.session.lineCount(), 4);
    EXPECT_EQ(w.session.line(2).text, "    [ y = 0 ] x = 1/3");
    EXPECT_EQ(w.session.line(2).decimalText, "    [ y = 0 ] x = 0.333333333333333");
    // Written the same in both forms, the line still carries it.
    EXPECT_EQ(w.session.line(3).decimalText, "    Range : R");
    EXPECT_EQ(w.session.line(2).marks[0].x, 1.0 / 3); // marks sit where the decimals put them
}

TEST(Session, StatusNamesTheFailureTheLabelShows) {
    Watched w;
    w.linear("0", "1");
    w.form.plot();
    EXPECT_EQ(w.form.status(), Status::NotAFunction);
    EXPECT_EQ(w.form.formulaLabel(), "Not a Function");
    w.form.editBox(0, "3");
    EXPECT_EQ(w.form.status(), Status::Ok);
    EXPECT_EQ(w.form.formulaLabel(), "y = k x + b");
    w.form.editZoom("-5");
    w.form.plot();
    EXPECT_EQ(w.form.status(), Status::ZoomError);
    EXPECT_EQ(w.form.formulaLabel(), "Error : Zoom");
    w.form.chooseFamily(1);
    EXPECT_EQ(w.form.status(), Status::Ok);
}

// The session alone: holds gather appends, removals take marks with them.
TEST(Session, HoldsGatherAppendsAndRemovalsTrimMarks) {
    Session session;
    std::vector<SessionChange> changes;
    session.listen([&changes](const SessionChange& change) { changes.push_back(change); });
    const auto line = [](const char* text, bool marked) {
        SessionLine l{text, {}, {}, {}, {}};
        if (marked)
            l.marks.push_back(pointMark(MarkKind::Zero, 1.0, 0.0));
        return l;
    };
    {
        const Session::Hold outer(session);
        {
            const Session::Hold inner(session);
            session.appendLine(line("a", false));
            session.appendLine(line("b", true));
        }
        EXPECT_TRUE(changes.empty()); // the outer hold still holds them
        session.appendLine(line("c", true));
    }
    EXPECT_EQ(words(changes), (std::vector<std::string>{"appended 0"}));

    changes.clear();
    session.appendLine(line("d", true));
    EXPECT_EQ(words(changes), (std::vector<std::string>{"appended 3"}));

    changes.clear();
    session.removeLinesFrom(2);
    EXPECT_EQ(words(changes), (std::vector<std::string>{"removed 2"}));
    ASSERT_EQ(session.markedLines().size(), 1u);
    EXPECT_EQ(session.markedLines()[0].row, 1);

    changes.clear();
    session.removeLinesFrom(5); // beyond the end: nothing changes, nothing is told
    {
        // Lines appended and taken away under one hold are never announced.
        const Session::Hold hold(session);
        session.appendLine(line("e", false));
        session.removeLinesFrom(2);
    }
    EXPECT_TRUE(changes.empty());

    changes.clear();
    ResultLine broken;
    broken << "x = " << Num{std::nan("")};
    EXPECT_FALSE(session.append(broken, false));
    EXPECT_EQ(session.lineCount(), 2);
    EXPECT_TRUE(changes.empty());
}

TEST(Session, ListenersStopWhenAsked) {
    Session session;
    int heard = 0;
    const int id = session.listen([&heard](const SessionChange&) { ++heard; });
    session.appendLine({"a", {}, {}, {}, {}});
    session.stopListening(id);
    session.appendLine({"b", {}, {}, {}, {}});
    EXPECT_EQ(heard, 1);
}

// Lines a command takes away come back with the rows that name something,
// through any number of removals inside one command, and go again on redo.
TEST(Session, CapturedLinesKeepWhichOfThemAreMarked) {
    struct Case {
        const char* what;
        std::vector<int> removals; // removeLinesFrom, in order, inside one capture
    };
    const std::vector<Case> cases{
        {"the whole list", {0}},
        {"a tail", {3}},
        {"a tail, then more of it", {5, 2}},
        {"a tail, then the rest", {4, 0}},
    };
    const std::vector<bool> marked{true, false, true, true, false, false, true, false};
    for (const Case& c : cases) {
        Session session;
        for (std::size_t i = 0; i < marked.size(); ++i) {
            SessionLine l{"line " + std::to_string(i), {}, {}, {}, {}};
            if (marked[i])
                l.marks.push_back(pointMark(MarkKind::Zero, 1.0, 0.0));
            session.appendLine(l);
        }
        const auto rows = [&session] {
            std::vector<int> out;
            for (const MarkedLine& m : session.markedLines())
                out.push_back(m.row);
            return out;
        };
        const std::vector<int> all = rows();
        session.beginCapture();
        for (const int from : c.removals)
            session.removeLinesFrom(from);
        Session::Captured captured = session.endCapture();
        const std::vector<int> after = rows();
        session.swapLines(captured.kept, captured.removed, captured.removedMarked);
        EXPECT_EQ(rows(), all) << c.what;
        ASSERT_EQ(session.lineCount(), 8) << c.what;
        EXPECT_EQ(session.line(7).text, "line 7") << c.what;
        session.swapLines(captured.kept, captured.removed, captured.removedMarked);
        EXPECT_EQ(rows(), after) << c.what;
        session.swapLines(captured.kept, captured.removed, captured.removedMarked);
        EXPECT_EQ(rows(), all) << c.what;
    }
}

// The lines of some curves, found through the index, are the marked lines
// whose curve is among them, a line repeated on one curve once, whatever came
// and went before: appends, tails taken away, a step swapped back and forth,
// -0 for 0, lines without a curve, rows selected among repeats.
TEST(Session, MarkedLinesOfCurvesMatchAFullSearch) {
    const std::vector<std::optional<DrawnCurve>> curves{
        kLine,
        DrawnCurve{0, AbsMode::Plain, {2, -0.0, 0, 0}},
        DrawnCurve{0, AbsMode::Plain, {2, 0.0, 0, 0}},
        DrawnCurve{1, AbsMode::OfValue, {1, -2, -3, 0}},
        DrawnCurve{0, AbsMode::OfValue, {2, -4, 0, 0}},
        DrawnCurve{},
        std::nullopt};
    std::mt19937 random(7);
    const auto pick = [&random](int n) {
        return static_cast<int>(random() % static_cast<unsigned>(n));
    };
    Session session;
    std::optional<Session::Captured> step;
    for (int i = 0; i < 2000; ++i) {
        const int what = pick(10);
        if (what < 6) {
            SessionLine line{"line " + std::to_string(pick(5)),
                             {},
                             {},
                             {},
                             curves[static_cast<std::size_t>(pick(7))]};
            if (pick(3) > 0)
                line.marks.push_back(pointMark(MarkKind::Zero, 1.0, 0.0));
            session.appendLine(line);
        } else if (what == 6) {
            session.removeLinesFrom(session.lineCount() - pick(4));
        } else if (what == 7) {
            session.beginCapture();
            session.removeLinesFrom(pick(session.lineCount() + 1));
            step = session.endCapture();
        } else if (what == 8 && step) {
            session.swapLines(step->kept, step->removed, step->removedMarked);
        } else {
            std::vector<DrawnCurve> asked;
            for (int n = pick(4); n > 0; --n)
                asked.push_back(curves[static_cast<std::size_t>(pick(6))].value_or(DrawnCurve{}));
            std::vector<int> selected;
            for (int n = pick(3); n > 0; --n)
                selected.push_back(pick(session.lineCount() + 1));
            // Repeats of a line on one curve: the selected ones, else the newest.
            const std::vector<MarkedLine> on = linesOnCurves(session.markedLines(), asked);
            const auto isSelected = [&selected](int row) {
                return std::find(selected.begin(), selected.end(), row) != selected.end();
            };
            std::vector<int> want;
            for (std::size_t a = 0; a < on.size(); ++a) {
                bool drawn = isSelected(on[a].row);
                if (!drawn) {
                    drawn = true;
                    for (std::size_t b = 0; b < on.size(); ++b) {
                        const bool repeat =
                            b != a && on[b].curve == on[a].curve && on[b].text == on[a].text;
                        if (repeat && (b > a || isSelected(on[b].row)))
                            drawn = false;
                    }
                }
                if (drawn)
                    want.push_back(on[a].row);
            }
            std::vector<int> got;
            for (const MarkedLine& m : session.markedLinesOn(asked, selected))
                got.push_back(m.row);
            ASSERT_EQ(got, want) << "after " << i << " steps";
        }
    }
}

} // namespace
} // namespace oltrave::testing
