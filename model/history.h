#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "form.h"
#include "session.h"

namespace oltrave {

// The commands a person can take back.
enum class UndoableCommand {
    Print,
    RePrint,
    Clear,
    Calculate,
    Zoom, // a wheel notch
    Family,
    Mode,
    OpenSession,
};

// Undo and Redo over the form, the session's lines and curves and the area.
// A step keeps what its command changed: the form's few values and the tails
// of the lines, curves and strokes that differ, moved out of the session rather
// than copied, so a Clear of 100,000 lines costs its step no copy of them.
class History {
public:
    static constexpr std::size_t kMostSteps = 200;

    History(Form& form, Session& session) : form_(form), session_(session) {}
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Runs a command; what it changed becomes the newest step and the steps
    // undone before it are gone. A command that changed nothing leaves no step.
    void record(UndoableCommand command, const std::function<void()>& run);

    std::optional<UndoableCommand> nextUndo() const;
    std::optional<UndoableCommand> nextRedo() const;
    bool undo();
    bool redo();
    void forget();
    std::size_t steps() const { return done_.size(); }

    // Where the list was scrolled, kept with each step; the window says how
    // to read and show it.
    std::function<int()> listPosition = [] { return 0; };
    std::function<void(int)> showListPosition = [](int) {};

private:
    template <typename T> struct Tail {
        std::size_t kept = 0;
        std::vector<T> other; // what the other side holds from kept on
    };
    struct Step {
        UndoableCommand command;
        FormState other;
        int keptLines = 0;
        std::vector<SessionLine> otherLines;
        std::vector<int> otherMarked; // which of otherLines name something
        Tail<DrawnCurve> curves;
        Tail<AreaStroke> area;
        int otherListPosition = 0;
    };
    // Undo and redo alike: each side takes what the other held.
    void swap(Step& step);

    Form& form_;
    Session& session_;
    std::deque<Step> done_;
    std::vector<Step> undone_;
};

} // namespace oltrave
