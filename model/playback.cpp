#include "playback.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

namespace {

constexpr double kFastest = 1000; // steps a second
// A step owed but for rounding (1/60 s at 30 steps a second) is due.
constexpr double kRounding = 1e-9;

} // namespace

Playback::Playback(int positions, int start, Motion motion)
    : positions_(std::max(1, positions)), position_(std::clamp(start, 0, positions_ - 1)),
      motion_(motion) {}

void Playback::setSpeed(double stepsPerSecond) {
    if (std::isfinite(stepsPerSecond) && stepsPerSecond > 0)
        speed_ = std::min(stepsPerSecond, kFastest);
}

int Playback::advance(double seconds) {
    if (!(seconds > 0))
        return position_;
    due_ += seconds * speed_;
    // More than a sweep's worth owed (a stalled timer) is not made up.
    const double most = 2.0 * positions_;
    if (due_ > most)
        due_ = most;
    while (due_ >= 1 - kRounding) {
        due_ -= 1;
        next();
    }
    return position_;
}

int Playback::next() {
    const int previous = position_;
    if (positions_ > 1) {
        switch (motion_) {
        case Motion::Loop: position_ = (position_ + 1) % positions_; break;
        case Motion::Bounce:
            if (position_ + direction_ < 0 || position_ + direction_ >= positions_)
                direction_ = -direction_;
            position_ += direction_;
            break;
        }
    }
    remember(previous);
    return position_;
}

void Playback::remember(int position) {
    const int spacing = std::max(1, positions_ / kTraceLength);
    if (position % spacing != 0)
        return;
    // A position met again moves to the newest end.
    std::erase(trace_, position);
    trace_.push_back(position);
    if (trace_.size() > static_cast<std::size_t>(kTraceLength))
        trace_.erase(trace_.begin());
}

} // namespace oltrave
