#pragma once

#include <cmath>

namespace oltrave::sound {

// How the curve becomes sound. Every figure of the mapping lives here; the
// README's table repeats them for the people who listen.

inline constexpr int kSampleRate = 44100; // frames per second
inline constexpr int kChannels = 2;       // left, right
inline constexpr double kSweepSeconds = 3.0;
inline constexpr int kSweepFrames = 132300; // kSweepSeconds at kSampleRate

// Pitch: y = -zoom sounds at the low end, y = zoom at the high end, evenly on a
// logarithmic scale between (two octaves), so equal steps in y are equal intervals.
inline constexpr double kLowestHz = 220;
inline constexpr double kHighestHz = 880;
inline constexpr double kToneLevel = 0.45;

// A soft hiss under the tone while the curve is below the x axis.
inline constexpr double kNoiseLevel = 0.25;
// Two one-pole low-passes take the edge off the hiss: a rush rather than a
// crackle, and clicks stand out of it.
inline constexpr double kNoiseSmoothing = 0.2;

// Tone and hiss fade in and out over this time instead of starting with a crack.
inline constexpr double kFadeSeconds = 0.003;

// A zero: a short, bright, decaying click.
inline constexpr double kClickSeconds = 0.004;
inline constexpr double kClickHz = 3000;
inline constexpr double kClickLevel = 0.6;

// An extremum: two rising notes, one after the other, each decaying.
inline constexpr double kChimeNoteSeconds = 0.07;
inline constexpr double kChimeFirstHz = 1318.51; // E6
inline constexpr double kChimeSecondHz = 1760;   // A6
inline constexpr double kChimeLevel = 0.3;

// A vertical asymptote: a low, buzzing thud.
inline constexpr double kThudSeconds = 0.12;
inline constexpr double kThudHz = 110;
inline constexpr double kThudLevel = 0.35;

// A decaying cue falls by this factor (about -40 dB) over its length.
inline constexpr double kCueDecay = 0.01;

// One step of the keyboard trace: a short tone at the traced point.
inline constexpr double kStepToneSeconds = 0.12;

// Written as ratios to the zoom so that no sum overflows for a huge view.

// Seconds into the sweep at which x sounds: the view is crossed left to right
// at an even speed, -zoom at the first frame and zoom at the last.
inline double timeOfX(double x, double zoom) {
    return (x / zoom + 1) / 2 * (kSweepFrames - 1) / kSampleRate;
}

// The x the sweep sounds at frame i.
inline double xOfFrame(int frame, double zoom) {
    return zoom * (2.0 * frame / (kSweepFrames - 1) - 1);
}

// The tone's frequency for a y inside the view.
inline double pitchOfY(double y, double zoom) {
    const double share = (y / zoom + 1) / 2;
    return kLowestHz * std::pow(kHighestHz / kLowestHz, share);
}

inline constexpr double kQuarterTurn = 1.5707963267948966; // π / 2

struct PanGains {
    double left;
    double right;
};

// Equal-power pan: far left at x = -zoom, centre at 0, far right at zoom; the
// loudness heard stays the same as the sound moves.
inline PanGains panOfX(double x, double zoom) {
    double share = (x / zoom + 1) / 2;
    share = share < 0 ? 0 : (share > 1 ? 1 : share);
    const double angle = share * kQuarterTurn;
    return {std::cos(angle), std::sin(angle)};
}

} // namespace oltrave::sound
