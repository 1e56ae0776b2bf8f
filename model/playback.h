#pragma once

#include <vector>

namespace oltrave {

// How Play goes on at the end of the range.
enum class Motion {
    Loop,   // back to the first position
    Bounce, // back the way it came
};

// Play: one slider's positions shown in turn, at a speed in steps a second,
// whatever the frame rate. A late frame skips the steps it missed rather than
// slowing the sweep down.
class Playback {
public:
    // The most earlier curves the trace keeps.
    static constexpr int kTraceLength = 20;

    Playback(int positions, int start, Motion motion);

    void setSpeed(double stepsPerSecond);
    void setMotion(Motion motion) { motion_ = motion; }
    double speed() const { return speed_; }
    int position() const { return position_; }

    // The position to show after seconds more have passed.
    int advance(double seconds);
    // One step on.
    int next();

    // Earlier positions to draw faintly, oldest first: about kTraceLength
    // spread over the range, the newest kept.
    const std::vector<int>& trace() const { return trace_; }

private:
    void remember(int position);

    int positions_;
    int position_;
    int direction_ = 1;
    Motion motion_;
    double speed_ = 10;
    double due_ = 0; // steps owed, below one
    std::vector<int> trace_;
};

} // namespace oltrave
