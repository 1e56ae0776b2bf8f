#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace oltrave::sound {

// The curve as the generator sees it: y for an x, or nothing where the curve
// has no value there.
using CurveFunction = std::function<std::optional<double>(double x)>;

// Where the curve's marked points lie, by x. Order does not matter; points
// outside the view are not heard.
struct Cues {
    std::vector<double> zeros;
    std::vector<double> extrema;
    std::vector<double> asymptotes;
};

enum class CueKind { Zero, Extremum, Asymptote };

// 16-bit samples, left and right interleaved, at kSampleRate.
using Samples = std::vector<std::int16_t>;

// The sweep across the view from -zoom to zoom: kSweepFrames frames. All silent
// when the zoom is not a positive finite number.
Samples renderSweep(const CurveFunction& curve, double zoom, const Cues& cues);

// A short tone for one point (the keyboard trace's step): the pitch of y, the
// pan of x, the hiss below the axis; silent when y is empty or outside the view.
Samples renderStepTone(double x, std::optional<double> y, double zoom);

// One cue on its own, panned to x.
Samples renderCue(CueKind kind, double x, double zoom);

} // namespace oltrave::sound
