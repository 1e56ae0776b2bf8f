#pragma once

#include <cstddef>
#include <optional>

namespace oltrave {

// Which of the drawn curves a trace follows: the newest, unless one was
// chosen while the same number of curves was drawn.
class CurveChoice {
public:
    void choose(std::size_t curve, std::size_t curveCount) {
        if (curve >= curveCount)
            return;
        chosen_ = curve;
        chosenOf_ = curveCount;
    }
    // Chooses the curve drawn just before (back) or after the followed one.
    void step(bool back, std::size_t curveCount) {
        const std::optional<std::size_t> now = curve(curveCount);
        if (!now)
            return;
        if (back && *now > 0)
            choose(*now - 1, curveCount);
        else if (!back)
            choose(*now + 1, curveCount);
    }
    // The followed curve's index, or nothing with no curve. A choice made
    // among other curves than those drawn now is forgotten.
    std::optional<std::size_t> curve(std::size_t curveCount) const {
        if (curveCount == 0)
            return std::nullopt;
        if (chosen_ && chosenOf_ == curveCount)
            return chosen_;
        return curveCount - 1;
    }

private:
    std::optional<std::size_t> chosen_;
    std::size_t chosenOf_ = 0;
};

} // namespace oltrave
