#include "sweep.h"

#include <algorithm>
#include <cmath>

#include "mapping.h"

namespace oltrave::sound {

namespace {

constexpr double kTurn = 6.283185307179586; // 2π

int framesOf(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

// Left and right in full precision until the end, so that overlapping sounds add
// before they are rounded and clipped.
class Mix {
public:
    explicit Mix(int frames)
        : left_(static_cast<std::size_t>(frames)), right_(static_cast<std::size_t>(frames)) {}

    int frames() const { return static_cast<int>(left_.size()); }

    void add(int frame, double value, const PanGains& pan) {
        if (frame < 0 || frame >= frames())
            return;
        left_[static_cast<std::size_t>(frame)] += value * pan.left;
        right_[static_cast<std::size_t>(frame)] += value * pan.right;
    }

    Samples samples() const {
        Samples out(left_.size() * kChannels);
        for (std::size_t i = 0; i < left_.size(); ++i) {
            out[2 * i] = toInt16(left_[i]);
            out[2 * i + 1] = toInt16(right_[i]);
        }
        return out;
    }

private:
    static std::int16_t toInt16(double v) {
        v = std::clamp(v, -1.0, 1.0);
        return static_cast<std::int16_t>(std::lround(v * 32767));
    }

    std::vector<double> left_;
    std::vector<double> right_;
};

// The tone that follows the curve, with the hiss beneath it. Its phase runs on
// across pitch changes and silences, so the pitch glides without cracks.
class Voice {
public:
    // One frame: hz is the pitch while the tone sounds; when it stops, the fade
    // keeps the last pitch.
    double next(bool sounding, double hz, bool below) {
        if (sounding)
            hz_ = hz;
        gain_ = approach(gain_, sounding ? 1.0 : 0.0);
        noiseGain_ = approach(noiseGain_, sounding && below ? 1.0 : 0.0);
        const double tone = gain_ > 0 ? kToneLevel * gain_ * std::sin(phase_) : 0.0;
        phase_ += kTurn * hz_ / kSampleRate;
        if (phase_ >= kTurn)
            phase_ -= kTurn;
        // The noise runs even while unheard so that its sequence does not depend on the curve.
        rush_ += kNoiseSmoothing * (white() - rush_);
        hiss_ += kNoiseSmoothing * (rush_ - hiss_);
        return tone + kNoiseLevel * noiseGain_ * hiss_;
    }

private:
    static double approach(double gain, double target) {
        static const double step = 1.0 / (kFadeSeconds * kSampleRate);
        return gain < target ? std::min(target, gain + step) : std::max(target, gain - step);
    }

    // xorshift32: the same hiss on every run, so the files are reproducible.
    double white() {
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 17;
        noise_ ^= noise_ << 5;
        return noise_ / 2147483648.0 - 1.0;
    }

    double phase_ = 0;
    double hz_ = kLowestHz;
    double gain_ = 0;
    double noiseGain_ = 0;
    double rush_ = 0;
    double hiss_ = 0;
    std::uint32_t noise_ = 0x9E3779B9u;
};

bool inView(const std::optional<double>& y, double zoom) {
    return y && std::isfinite(*y) && std::fabs(*y) <= zoom;
}

int cueFrames(CueKind kind) {
    switch (kind) {
    case CueKind::Zero: return framesOf(kClickSeconds);
    case CueKind::Extremum: return 2 * framesOf(kChimeNoteSeconds);
    case CueKind::Asymptote: return framesOf(kThudSeconds);
    }
    return 0;
}

// Adds a decaying note of the given frequency from frame start.
void addNote(Mix& mix, int start, int frames, double hz, double level, double buzz,
             const PanGains& pan) {
    const double fall = std::pow(kCueDecay, 1.0 / frames);
    double envelope = 1;
    for (int n = 0; n < frames; ++n) {
        double wave = std::sin(kTurn * hz * n / kSampleRate);
        if (buzz > 0)
            wave = std::tanh(buzz * wave) / std::tanh(buzz);
        mix.add(start + n, level * envelope * wave, pan);
        envelope *= fall;
    }
}

void addCue(Mix& mix, CueKind kind, int start, const PanGains& pan) {
    constexpr double kThudBuzz = 3; // how square the thud's wave is
    switch (kind) {
    case CueKind::Zero:
        addNote(mix, start, framesOf(kClickSeconds), kClickHz, kClickLevel, 0, pan);
        break;
    case CueKind::Extremum: {
        const int note = framesOf(kChimeNoteSeconds);
        addNote(mix, start, note, kChimeFirstHz, kChimeLevel, 0, pan);
        addNote(mix, start + note, note, kChimeSecondHz, kChimeLevel, 0, pan);
        break;
    }
    case CueKind::Asymptote:
        addNote(mix, start, framesOf(kThudSeconds), kThudHz, kThudLevel, kThudBuzz, pan);
        break;
    }
}

// Cues of one kind at their times in the sweep. One that would begin while the
// previous one still sounds is left out: packed closer, they would blur into a
// noise and cost time without telling anything.
void addCues(Mix& mix, CueKind kind, std::vector<double> xs, double zoom) {
    std::sort(xs.begin(), xs.end());
    const int length = cueFrames(kind);
    int free = 0;
    for (double x : xs) {
        if (!(x >= -zoom && x <= zoom))
            continue;
        const int start = static_cast<int>(std::lround(timeOfX(x, zoom) * kSampleRate));
        if (start < free)
            continue;
        addCue(mix, kind, start, panOfX(x, zoom));
        free = start + length;
    }
}

bool zoomUsable(double zoom) {
    return std::isfinite(zoom) && zoom > 0;
}

} // namespace

Samples renderSweep(const CurveFunction& curve, double zoom, const Cues& cues) {
    Mix mix(kSweepFrames);
    if (!zoomUsable(zoom))
        return mix.samples();
    const int fadeOut = kSweepFrames - framesOf(kFadeSeconds);
    Voice voice;
    for (int i = 0; i < kSweepFrames; ++i) {
        const double x = xOfFrame(i, zoom);
        const std::optional<double> y = curve(x);
        const bool sounding = i < fadeOut && inView(y, zoom);
        const double value =
            voice.next(sounding, sounding ? pitchOfY(*y, zoom) : 0, sounding && *y < 0);
        mix.add(i, value, panOfX(x, zoom));
    }
    addCues(mix, CueKind::Zero, cues.zeros, zoom);
    addCues(mix, CueKind::Extremum, cues.extrema, zoom);
    addCues(mix, CueKind::Asymptote, cues.asymptotes, zoom);
    return mix.samples();
}

Samples renderStepTone(double x, std::optional<double> y, double zoom) {
    const int frames = framesOf(kStepToneSeconds);
    Mix mix(frames);
    if (!zoomUsable(zoom) || !inView(y, zoom))
        return mix.samples();
    const int fadeOut = frames - framesOf(kFadeSeconds);
    const double hz = pitchOfY(*y, zoom);
    const PanGains pan = panOfX(x, zoom);
    Voice voice;
    for (int i = 0; i < frames; ++i)
        mix.add(i, voice.next(i < fadeOut, hz, *y < 0), pan);
    return mix.samples();
}

Samples renderCue(CueKind kind, double x, double zoom) {
    Mix mix(cueFrames(kind));
    if (zoomUsable(zoom))
        addCue(mix, kind, 0, panOfX(x, zoom));
    return mix.samples();
}

} // namespace oltrave::sound
