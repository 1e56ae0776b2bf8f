#include "session.h"

#include <algorithm>
#include <functional>

namespace oltrave {

std::string_view statusText(Status status) {
    switch (status) {
    case Status::Ok: return {};
    case Status::NotAFunction: return kNotAFunctionText;
    case Status::ZoomError: return kZoomErrorText;
    }
    return {};
}

std::uint64_t textDigestOf(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

int Session::listen(Listener listener) const {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void Session::stopListening(int id) const {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& entry) { return entry.first == id; }),
                     listeners_.end());
}

Session::Hold::~Hold() {
    if (--session_.holds_ == 0)
        session_.flushAppended();
}

void Session::notify(const SessionChange& change) {
    // Announced lines come before whatever happened after them.
    if (change.kind != SessionChange::Kind::LinesAppended)
        flushAppended();
    // A listener may stop listening while it is told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(change);
}

void Session::flushAppended() {
    if (!unannounced_)
        return;
    const int first = *unannounced_;
    unannounced_.reset();
    if (first < lineCount())
        notify({SessionChange::Kind::LinesAppended, first});
}

void Session::push(SessionLine line) {
    const int row = lineCount();
    line.textDigest = textDigestOf(line.text);
    if (!line.marks.empty() || line.stretch) {
        markedRows_.push_back(row);
        if (indexed_)
            byCurve_.add(row, line.curve.value_or(DrawnCurve{}), line.text);
    }
    lines_.push_back(std::move(line));
    if (!unannounced_)
        unannounced_ = row;
    if (holds_ == 0)
        flushAppended();
}

bool Session::append(const ResultLine& line, bool exact, std::vector<Mark> marks,
                     std::optional<Stretch> stretch, std::optional<DrawnCurve> curve) {
    if (!line.valid())
        return false; // a line left out takes its marks with it
    push({line.text(), exact ? line.decimalText() : std::string(), std::move(marks), stretch,
          std::move(curve)});
    return true;
}

void Session::appendLine(SessionLine line) {
    push(std::move(line));
}

void Session::removeLinesFrom(int row) {
    row = std::max(row, 0);
    if (row >= lineCount())
        return;
    indexed_ = false;
    // The rows listeners know of; lines appended under a Hold and taken
    // away again are never announced.
    const int announced = unannounced_.value_or(lineCount());
    if (capture_ && row == 0 && capture_->kept == lineCount() && capture_->removed.empty()) {
        // The whole list goes, as on Clear: the vectors change hands, no line moves.
        capture_->removed.swap(lines_);
        capture_->removedMarked.swap(markedRows_);
        capture_->kept = 0;
    } else if (capture_ && row < capture_->kept) {
        // Moved, not copied: the step owns them now.
        const auto first = lines_.begin() + row;
        std::vector<SessionLine> taken(std::make_move_iterator(first),
                                       std::make_move_iterator(lines_.begin() + capture_->kept));
        taken.insert(taken.end(), std::make_move_iterator(capture_->removed.begin()),
                     std::make_move_iterator(capture_->removed.end()));
        std::vector<int> marked;
        for (const int m : markedRows_)
            if (m >= row && m < capture_->kept)
                marked.push_back(m - row);
        for (const int m : capture_->removedMarked)
            marked.push_back(m + capture_->kept - row);
        capture_->removed = std::move(taken);
        capture_->removedMarked = std::move(marked);
        capture_->kept = row;
    }
    lines_.erase(lines_.begin() + row, lines_.end());
    if (lines_.empty())
        lines_ = {}; // a cleared list gives its room back; undo may hold its lines
    markedRows_.erase(std::lower_bound(markedRows_.begin(), markedRows_.end(), row),
                      markedRows_.end());
    if (unannounced_ && *unannounced_ >= row)
        unannounced_.reset();
    if (row < announced)
        notify({SessionChange::Kind::LinesRemoved, row});
}

std::vector<MarkedLine> Session::markedLines() const {
    std::vector<MarkedLine> marked;
    marked.reserve(markedRows_.size());
    for (const int row : markedRows_) {
        const SessionLine& line = lines_[static_cast<std::size_t>(row)];
        marked.push_back(
            {row, line.text, line.curve.value_or(DrawnCurve{}), line.marks, line.stretch});
    }
    return marked;
}

std::vector<MarkedLine> Session::markedLinesOn(const std::vector<DrawnCurve>& curves,
                                               const std::vector<int>& selectedRows) const {
    if (!indexed_) {
        byCurve_.clear();
        for (const int row : markedRows_) {
            const SessionLine& line = lines_[static_cast<std::size_t>(row)];
            byCurve_.add(row, line.curve.value_or(DrawnCurve{}), line.text);
        }
        indexed_ = true;
    }
    std::vector<MarkedLine> marked;
    for (const int row : byCurve_.rowsOn(curves, selectedRows)) {
        const SessionLine& line = lines_[static_cast<std::size_t>(row)];
        marked.push_back(
            {row, line.text, line.curve.value_or(DrawnCurve{}), line.marks, line.stretch});
    }
    return marked;
}

void Session::beginCapture() {
    capture_ = Captured{lineCount(), {}, {}, curves_.size(), std::nullopt};
}

Session::Captured Session::endCapture() {
    Captured captured = capture_ ? std::move(*capture_)
                                 : Captured{lineCount(), {}, {}, curves_.size(), std::nullopt};
    capture_.reset();
    return captured;
}

void Session::swapLines(int kept, std::vector<SessionLine>& other) {
    std::vector<int> marked;
    for (std::size_t row = 0; row < other.size(); ++row) {
        other[row].textDigest = textDigestOf(other[row].text);
        if (!other[row].marks.empty() || other[row].stretch)
            marked.push_back(static_cast<int>(row));
    }
    swapLines(kept, other, marked);
}

void Session::swapLines(int kept, std::vector<SessionLine>& other, std::vector<int>& otherMarked) {
    kept = std::clamp(kept, 0, lineCount());
    const Hold announceOnce(*this);
    indexed_ = false;
    if (kept == 0) {
        // The whole list changes hands: the vectors are swapped, no line moves.
        const int announced = unannounced_.value_or(lineCount());
        std::vector<SessionLine> replaced;
        replaced.swap(lines_);
        std::vector<int> replacedMarked;
        replacedMarked.swap(markedRows_);
        unannounced_.reset();
        if (announced > 0)
            notify({SessionChange::Kind::LinesRemoved, 0});
        lines_.swap(other);
        markedRows_.swap(otherMarked);
        if (!lines_.empty())
            unannounced_ = 0; // announced when the hold ends
        other = std::move(replaced);
        otherMarked = std::move(replacedMarked);
        return;
    }
    std::vector<SessionLine> replaced(std::make_move_iterator(lines_.begin() + kept),
                                      std::make_move_iterator(lines_.end()));
    std::vector<int> replacedMarked;
    for (const int m : markedRows_)
        if (m >= kept)
            replacedMarked.push_back(m - kept);
    removeLinesFrom(kept);
    lines_.reserve(lines_.size() + other.size());
    for (SessionLine& line : other)
        push(std::move(line)); // push finds the marked ones
    other = std::move(replaced);
    otherMarked = std::move(replacedMarked);
}

void Session::keepCurvesBefore() {
    // Until now curves were only appended: the first ones are as they were.
    if (capture_ && !capture_->curvesBefore)
        capture_->curvesBefore.emplace(curves_.begin(),
                                       curves_.begin() +
                                           static_cast<std::ptrdiff_t>(capture_->curvesAtStart));
}

void Session::clearCurves() {
    keepCurvesBefore();
    curves_.clear();
}

void Session::keepCurves(const std::function<bool(const DrawnCurve&)>& onArea) {
    keepCurvesBefore();
    std::erase_if(curves_, [&onArea](const DrawnCurve& c) { return !onArea(c); });
}

void Session::swapCurves(std::size_t kept, std::vector<DrawnCurve>& other) {
    keepCurvesBefore();
    kept = std::min(kept, curves_.size());
    std::vector<DrawnCurve> replaced(curves_.begin() + static_cast<std::ptrdiff_t>(kept),
                                     curves_.end());
    curves_.resize(kept);
    curves_.insert(curves_.end(), other.begin(), other.end());
    other = std::move(replaced);
}

void Session::setStatus(Status status) {
    if (status_ == status)
        return;
    status_ = status;
    notify({SessionChange::Kind::StatusChanged, 0});
}

} // namespace oltrave
