#include "session.h"

#include <algorithm>

namespace oltrave {

std::string_view statusText(Status status) {
    switch (status) {
    case Status::Ok: return {};
    case Status::NotAFunction: return kNotAFunctionText;
    case Status::ZoomError: return kZoomErrorText;
    }
    return {};
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
    if (!line.marks.empty() || line.stretch)
        markedRows_.push_back(row);
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
    // The rows listeners know of; lines appended under a Hold and taken
    // away again are never announced.
    const int announced = unannounced_.value_or(lineCount());
    lines_.erase(lines_.begin() + row, lines_.end());
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

void Session::setStatus(Status status) {
    if (status_ == status)
        return;
    status_ = status;
    notify({SessionChange::Kind::StatusChanged, 0});
}

} // namespace oltrave
