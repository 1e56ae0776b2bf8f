#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "drawncurve.h"

namespace oltrave {

// The curves a redraw at another zoom draws again: each distinct curve once,
// however often it was printed (every curve is drawn in one colour, so the
// picture is the same), and only the newest kMostRedrawnCurves of them, so
// that a wheel notch costs the same after ten Prints as after ten thousand.
// Past that many, one more curve in a picture already full of them is not
// read, and the oldest give way.
inline constexpr std::size_t kMostRedrawnCurves = 12;

class RedrawnCurves {
public:
    // A curve drawn again becomes the newest.
    void add(const DrawnCurve& curve);
    void clear() {
        curves_.clear();
        dropped_ = false;
    }
    // Whether an old curve gave way since the last call.
    bool takeDropped() { return std::exchange(dropped_, false); }

    // Oldest first.
    const std::vector<DrawnCurve>& curves() const { return curves_; }
    bool holds(const DrawnCurve& curve) const;

private:
    std::vector<DrawnCurve> curves_;
    bool dropped_ = false;
};

} // namespace oltrave
