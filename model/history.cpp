#include "history.h"

#include <algorithm>

namespace oltrave {

namespace {

template <typename T> std::size_t commonPrefix(const std::vector<T>& a, const std::vector<T>& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

template <typename T> std::vector<T> from(const std::vector<T>& items, std::size_t first) {
    return {items.begin() + static_cast<std::ptrdiff_t>(first), items.end()};
}

bool sameShown(const FormState& a, const FormState& b) {
    return a.family == b.family && a.boxes == b.boxes && a.boxVisible == b.boxVisible &&
           a.captions == b.captions && a.formula == b.formula && a.modesEnabled == b.modesEnabled &&
           a.absmode == b.absmode && a.xText == b.xText && a.zoomText == b.zoomText &&
           a.coef == b.coef && a.zoom == b.zoom && a.plotted == b.plotted && a.status == b.status &&
           a.redrawn.curves() == b.redrawn.curves();
}

} // namespace

void History::record(UndoableCommand command, const std::function<void()>& run) {
    const FormState before = form_.state();
    const int listBefore = listPosition();
    session_.beginCapture();
    form_.beginAreaCapture();
    run();
    Form::AreaCapture area = form_.endAreaCapture();
    Session::Captured lines = session_.endCapture();

    // What was there before, from the start on: only what a command replaced
    // was kept; what it appended is told by the length alone.
    const std::vector<DrawnCurve>& curvesNow = session_.curves();
    const std::size_t curvesBefore =
        lines.curvesBefore ? lines.curvesBefore->size() : lines.curvesAtStart;
    const std::size_t keptCurves =
        lines.curvesBefore ? commonPrefix(*lines.curvesBefore, curvesNow) : lines.curvesAtStart;
    const std::size_t areaBefore = area.before ? area.before->size() : area.atStart;
    const std::size_t keptArea =
        area.before ? commonPrefix(*area.before, form_.area()) : area.atStart;
    const bool linesChanged = lines.kept < session_.lineCount() || !lines.removed.empty();
    if (!linesChanged && keptCurves == curvesBefore && keptCurves == curvesNow.size() &&
        keptArea == areaBefore && keptArea == form_.area().size() &&
        sameShown(before, form_.state()))
        return; // nothing to take back

    done_.push_back(
        {command,
         before,
         lines.kept,
         std::move(lines.removed),
         std::move(lines.removedMarked),
         {keptCurves,
          lines.curvesBefore ? from(*lines.curvesBefore, keptCurves) : std::vector<DrawnCurve>{}},
         {keptArea, area.before ? from(*area.before, keptArea) : std::vector<AreaStroke>{}},
         listBefore});
    if (done_.size() > kMostSteps)
        done_.pop_front();
    undone_.clear();
}

std::optional<UndoableCommand> History::nextUndo() const {
    if (done_.empty())
        return std::nullopt;
    return done_.back().command;
}

std::optional<UndoableCommand> History::nextRedo() const {
    if (undone_.empty())
        return std::nullopt;
    return undone_.back().command;
}

bool History::undo() {
    if (done_.empty())
        return false;
    Step step = std::move(done_.back());
    done_.pop_back();
    swap(step);
    undone_.push_back(std::move(step));
    return true;
}

bool History::redo() {
    if (undone_.empty())
        return false;
    Step step = std::move(undone_.back());
    undone_.pop_back();
    swap(step);
    done_.push_back(std::move(step));
    return true;
}

void History::forget() {
    done_.clear();
    undone_.clear();
}

void History::swap(Step& step) {
    const int listNow = listPosition();
    FormState now = form_.state();
    form_.restore(step.other);
    step.other = std::move(now);
    session_.swapCurves(step.curves.kept, step.curves.other);
    session_.swapLines(step.keptLines, step.otherLines, step.otherMarked);
    form_.swapArea(step.area.kept, step.area.other);
    showListPosition(step.otherListPosition);
    step.otherListPosition = listNow;
}

} // namespace oltrave
