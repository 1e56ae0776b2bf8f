// The sweep is judged by listening to its samples: pitch, pan, cues and
// silences are measured from the rendered frames and set against the mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "sound/curvesound.h"
#include "sound/mapping.h"
#include "sound/sweep.h"
#include "sound/wav.h"

namespace {

using namespace oltrave::sound;

constexpr double kZoom = 10;
constexpr double kTurn = 6.283185307179586;
constexpr int kWindow = 2048; // about 46 ms

struct Heard {
    std::vector<double> left, right, mono;
};

Heard split(const Samples& s) {
    Heard h;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        h.left.push_back(s[i] / 32767.0);
        h.right.push_back(s[i + 1] / 32767.0);
        h.mono.push_back(h.left.back() + h.right.back());
    }
    return h;
}

Heard sweep(const CurveFunction& f, const Cues& cues = {}) {
    return split(renderSweep(f, kZoom, cues));
}

// The frame at which the sweep passes x, worked out from the 3 s over 2 zoom.
int frameOf(double x) {
    return static_cast<int>(std::lround((x + kZoom) / (2 * kZoom) * (kSweepFrames - 1)));
}

// Expected pitch: 220 Hz at the bottom of the view, two octaves up at the top.
double hzFor(double y) {
    return 220 * std::pow(4.0, (y + kZoom) / (2 * kZoom));
}

const std::vector<double>& hann(int length) {
    static std::map<int, std::vector<double>> windows;
    std::vector<double>& w = windows[length];
    if (w.empty())
        for (int n = 0; n < length; ++n)
            w.push_back(0.5 - 0.5 * std::cos(kTurn * n / (length - 1)));
    return w;
}

// Hann-windowed spectrum magnitude at one frequency over a window centred on
// frame (Goertzel's recurrence: no trigonometry per sample).
double level(const std::vector<double>& s, int centre, double hz, int length = kWindow) {
    const std::vector<double>& w = hann(length);
    const double coeff = 2 * std::cos(kTurn * hz / kSampleRate);
    double prev = 0, prev2 = 0;
    const int start = centre - length / 2;
    for (int n = 0; n < length; ++n) {
        const int i = start + n;
        const double v = i < 0 || i >= static_cast<int>(s.size()) ? 0 : w[n] * s[i];
        const double next = v + coeff * prev - prev2;
        prev2 = prev;
        prev = next;
    }
    return std::sqrt(std::max(0.0, prev * prev + prev2 * prev2 - coeff * prev * prev2));
}

// The strongest frequency between 150 and 1000 Hz around frame: a coarse scan, then a fine one.
double pitchAt(const std::vector<double>& s, int centre, int length = kWindow) {
    const auto strongest = [&](double from, double to, double step) {
        double best = from, bestLevel = -1;
        for (double hz = from; hz <= to; hz += step) {
            const double l = level(s, centre, hz, length);
            if (l > bestLevel) {
                bestLevel = l;
                best = hz;
            }
        }
        return best;
    };
    const double coarse = strongest(150, 1000, 2);
    return strongest(coarse - 2, coarse + 2, 0.05);
}

double rms(const std::vector<double>& s, int from, int to) {
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / (to - from));
}

TEST(SoundPitch, FollowsYOnTheLogarithmicScale) {
    struct Case {
        const char* name;
        CurveFunction f;
        std::vector<double> xs;
        double (*y)(double);
    };
    const Case cases[] = {
        {"line y = x",
         [](double x) { return x; },
         {-9.5, -6, -2, 3, 7, 9.5},
         [](double x) { return x; }},
        {"constant 3", [](double) { return 3.0; }, {-9, -3, 1, 8}, [](double) { return 3.0; }},
        {"parabola x^2/10 - 5",
         [](double x) { return x * x / 10 - 5; },
         {-9, -4, 0.5, 6},
         [](double x) { return x * x / 10 - 5; }},
    };
    for (const Case& c : cases) {
        const Heard h = sweep(c.f);
        for (double x : c.xs) {
            const double want = hzFor(c.y(x));
            EXPECT_NEAR(pitchAt(h.mono, frameOf(x)), want, want * 0.01) << c.name << " at x=" << x;
        }
    }
    // The line's sweep spans the two octaves end to end.
    const Heard line = sweep([](double x) { return x; });
    EXPECT_NEAR(pitchAt(line.mono, kWindow / 2), 220, 6);
    EXPECT_NEAR(pitchAt(line.mono, kSweepFrames - kWindow / 2), 880, 20);
}

// The pitch of y = A sin(ωx) repeats with the curve's period T, heard as T * 3 s / 20.
TEST(SoundPitch, SinePitchRepeatsWithItsPeriod) {
    for (double omega : {1.0, 2.0}) {
        const Heard h = sweep([=](double x) { return 6 * std::sin(omega * x); });
        constexpr int kHop = 441; // 10 ms
        constexpr int kShort = 1024;
        std::vector<double> track;
        for (int c = kShort / 2; c + kShort / 2 < kSweepFrames; c += kHop)
            track.push_back(pitchAt(h.mono, c, kShort));
        double mean = 0;
        for (double p : track)
            mean += p / track.size();
        // How well the pitch track matches itself shifted by lag hops.
        const auto likeness = [&](int lag) {
            double score = 0;
            for (std::size_t i = 0; i + lag < track.size(); ++i)
                score += (track[i] - mean) * (track[i + lag] - mean);
            return score / (track.size() - lag);
        };
        int best = 10;
        for (int lag = 10; lag < static_cast<int>(track.size()) / 2; ++lag)
            if (likeness(lag) > likeness(best))
                best = lag;
        // A parabola through the best lag and its neighbours places the peak between hops.
        const double a = likeness(best - 1), b = likeness(best), c = likeness(best + 1);
        const double lag = best + 0.5 * (a - c) / (a - 2 * b + c);
        const double heardPeriod = lag * kHop / static_cast<double>(kSampleRate);
        const double period = kTurn / omega * kSweepSeconds / (2 * kZoom);
        EXPECT_NEAR(heardPeriod, period, 0.011) << "omega " << omega;
    }
}

// Onsets of bursts whose second difference (a high-pass) is loud: the tone,
// at most 880 Hz, and the soft hiss stay well below the threshold.
std::vector<double> clickTimes(const std::vector<double>& s) {
    constexpr double kThreshold = 0.1;
    constexpr int kGap = 441; // 10 ms: a quieter stretch separates two clicks
    std::vector<double> times;
    int last = -kGap;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const double bend = std::fabs(s[i + 1] - 2 * s[i] + s[i - 1]);
        if (bend > kThreshold) {
            if (static_cast<int>(i) - last >= kGap)
                times.push_back(static_cast<double>(i) / kSampleRate);
            last = static_cast<int>(i);
        }
    }
    return times;
}

TEST(SoundCues, ClicksSitAtTheZeros) {
    const double pi = kTurn / 2;
    const Cues cues{{-3 * pi, -2 * pi, -pi, 0, pi, 2 * pi, 3 * pi}, {}, {}};
    const Heard h = sweep([](double x) { return 4 * std::sin(x); }, cues);
    const std::vector<double> heard = clickTimes(h.mono);
    ASSERT_EQ(heard.size(), cues.zeros.size());
    for (std::size_t i = 0; i < heard.size(); ++i)
        EXPECT_NEAR(heard[i], (cues.zeros[i] + kZoom) / (2 * kZoom) * kSweepSeconds, 0.005);
    // A zero outside the view is not heard; neither is the tone without cues.
    EXPECT_TRUE(
        clickTimes(sweep([](double x) { return 4 * std::sin(x); }, {{11}, {}, {}}).mono).empty());
}

TEST(SoundCues, ChimeRisesThroughTwoNotesAtAnExtremum) {
    // A maximum at x = 2, above the axis where no hiss sounds.
    const auto f = [](double x) { return 5 - (x - 2) * (x - 2) / 10; };
    const Heard with = sweep(f, {{}, {2}, {}});
    const Heard without = sweep(f);
    const int at = frameOf(2);
    const int note = static_cast<int>(0.07 * kSampleRate);
    constexpr int kShort = 1024;
    const double firstHz = 1318.51, secondHz = 1760;
    EXPECT_GT(level(with.mono, at + note / 2, firstHz, kShort),
              20 * level(without.mono, at + note / 2, firstHz, kShort));
    EXPECT_GT(level(with.mono, at + note + note / 2, secondHz, kShort),
              20 * level(without.mono, at + note + note / 2, secondHz, kShort));
    // First note before second: the order is what makes it rise.
    EXPECT_GT(level(with.mono, at + note / 3, firstHz, 512),
              5 * level(with.mono, at + note / 3, secondHz, 512));
    // Elsewhere the two sweeps are the same.
    EXPECT_EQ(with.mono[frameOf(-5)], without.mono[frameOf(-5)]);
}

TEST(SoundPan, BalanceFollowsXWithEqualPower) {
    const Heard h = sweep([](double) { return 5.0; });
    double firstPower = 0;
    for (double x : {-9.0, -5.0, 0.0, 4.0, 8.5}) {
        const int at = frameOf(x);
        const double l = rms(h.left, at - 500, at + 500);
        const double r = rms(h.right, at - 500, at + 500);
        const double angle = (x + kZoom) / (2 * kZoom) * kTurn / 4;
        EXPECT_NEAR(r / l, std::tan(angle), 0.03 * std::tan(angle) + 0.01) << "x=" << x;
        if (firstPower == 0)
            firstPower = l * l + r * r;
        EXPECT_NEAR(l * l + r * r, firstPower, firstPower * 0.02) << "x=" << x;
    }
}

// Frames entirely silent in both channels over [from, to).
bool silent(const Heard& h, int from, int to) {
    for (int i = from; i < to; ++i)
        if (h.left[i] != 0 || h.right[i] != 0)
            return false;
    return true;
}

TEST(SoundSilence, WhereTheCurveHasNoValueOrLeavesTheView) {
    const Heard log = sweep([](double x) -> std::optional<double> {
        if (x <= 0)
            return std::nullopt;
        return std::log(x);
    });
    EXPECT_TRUE(silent(log, 0, frameOf(0)));
    EXPECT_GT(rms(log.mono, frameOf(1), frameOf(9)), 0.2);

    // y = x^2 leaves the view beyond |x| = √10 ≈ 3.16; a fade of 3 ms is 0.02 in x.
    const Heard square = sweep([](double x) { return x * x; });
    EXPECT_TRUE(silent(square, 0, frameOf(-3.2)));
    EXPECT_TRUE(silent(square, frameOf(3.2), kSweepFrames));
    EXPECT_GT(rms(square.mono, frameOf(-3), frameOf(3)), 0.2);

    // Values that are not numbers, and views that are not views.
    EXPECT_TRUE(silent(sweep([](double) { return std::nan(""); }), 0, kSweepFrames));
    EXPECT_TRUE(silent(sweep([](double) { return HUGE_VAL; }), 0, kSweepFrames));
    for (double zoom : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        const Heard h = split(renderSweep([](double x) { return x; }, zoom, {{0}, {0}, {0}}));
        EXPECT_TRUE(silent(h, 0, kSweepFrames)) << "zoom " << zoom;
    }
    // The largest view still sounds.
    const double big = 1e308;
    const Heard wide = split(renderSweep([](double x) { return x; }, big, {}));
    EXPECT_GT(rms(wide.mono, frameOf(-5), frameOf(5)), 0.2);
}

// Below the axis a hiss joins the tone: the second difference, deaf to the
// tone's low pitches, hears it.
TEST(SoundNoise, HissOnlyBelowTheAxis) {
    const auto hiss = [](double y) {
        const Heard h = sweep([=](double) { return y; });
        std::vector<double> bend;
        for (int i = frameOf(-2); i < frameOf(2); ++i)
            bend.push_back(h.mono[i + 1] - 2 * h.mono[i] + h.mono[i - 1]);
        return rms(bend, 0, static_cast<int>(bend.size()));
    };
    EXPECT_GT(hiss(-0.5), 4 * hiss(0.5));
    EXPECT_GT(hiss(-9), 4 * hiss(0));
}

TEST(SoundStepTone, PitchOfYPanOfX) {
    const Heard h = split(renderStepTone(-6, 2.5, kZoom));
    ASSERT_EQ(h.mono.size(), static_cast<std::size_t>(0.12 * kSampleRate));
    const int middle = static_cast<int>(h.mono.size() / 2);
    EXPECT_NEAR(pitchAt(h.mono, middle), hzFor(2.5), hzFor(2.5) * 0.015);
    EXPECT_GT(rms(h.left, 0, middle * 2), 2 * rms(h.right, 0, middle * 2));
    EXPECT_TRUE(silent(split(renderStepTone(0, std::nullopt, kZoom)), 0, middle * 2));
    EXPECT_TRUE(silent(split(renderStepTone(0, 10.5, kZoom)), 0, middle * 2));
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(SoundWav, HeaderDescribesSixteenBitStereo) {
    const Samples samples{0, -1, 32767, -32768};
    const std::vector<std::uint8_t> file = wavFile(samples);
    ASSERT_EQ(file.size(), 44u + 8u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(le32(file, 4), 36u + 8u);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(file, 16), 16u);
    EXPECT_EQ(le32(file, 20), 1u | 2u << 16);  // PCM, two channels
    EXPECT_EQ(le32(file, 24), 44100u);         // frames per second
    EXPECT_EQ(le32(file, 28), 44100u * 4);     // bytes per second
    EXPECT_EQ(le32(file, 32), 4u | 16u << 16); // bytes per frame, bits per sample
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(le32(file, 40), 8u);
    const std::vector<std::uint8_t> data(file.begin() + 44, file.end());
    EXPECT_EQ(data, (std::vector<std::uint8_t>{0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80}));
    EXPECT_EQ(wavFile(renderSweep([](double x) { return x; }, kZoom, {})).size(),
              44u + kSweepFrames * 4u);
}

} // namespace

namespace {

Heard curveSweep(int family, int mode, std::array<double, 4> coef) {
    return split(renderCurve(oltrave::DrawnCurve{family, oltrave::modeAt(mode), coef}, kZoom));
}

} // namespace

// What the program renders for a plotted curve: its mode reaches the tone, the
// sweep fades out at its end, a zero on the left edge clicks, an extremum
// chimes in two notes; a cue on its own is the same cue.
TEST(SoundOfACurve, ModeEdgesAndCues) {
    // y = x: |f| at x = -5 sounds as y = 5, f(|x|) too; f as y = -5.
    struct Mode {
        int mode;
        double yAtMinusFive;
    };
    for (const Mode m : {Mode{0, -5}, Mode{1, 5}, Mode{2, 5}}) {
        const Heard h = curveSweep(0, m.mode, {1, 0, 0, 0});
        EXPECT_NEAR(pitchAt(h.mono, frameOf(-5)), hzFor(m.yAtMinusFive), 3) << "mode " << m.mode;
    }

    // y = x / 2 is in the view up to the right edge: only the fade quiets it.
    const Heard line = curveSweep(0, 0, {0.5, 0, 0, 0});
    const int fade = static_cast<int>(kFadeSeconds * kSampleRate);
    EXPECT_GT(rms(line.mono, kSweepFrames - 3 * fade, kSweepFrames - fade - 10), 0.2);
    EXPECT_LT(std::fabs(line.mono.back()), 0.01);
    EXPECT_LT(rms(line.mono, kSweepFrames - 10, kSweepFrames), 0.02);

    // y = x + 10: its zero is x = -10, the first frame, and clicks there, far left.
    const Heard edge = curveSweep(0, 0, {1, 10, 0, 0});
    const Heard toneOnly = sweep([](double x) { return x + 10; });
    const int click = static_cast<int>(kClickSeconds * kSampleRate);
    std::vector<double> added;
    for (int i = 0; i < click; ++i)
        added.push_back(edge.left[i] - toneOnly.left[i]);
    EXPECT_GT(level(added, click / 2, kClickHz, click), 1.0);
    EXPECT_EQ(edge.left[2 * click], toneOnly.left[2 * click]);

    // y = -(x - 2)² / 10 + 5: a maximum at x = 2, both notes, the first first.
    const Heard crest = curveSweep(1, 0, {-0.1, 0.4, 4.6, 0});
    const Heard plain = sweep([](double x) { return 5 - (x - 2) * (x - 2) / 10; });
    const int at = frameOf(2);
    const int note = static_cast<int>(kChimeNoteSeconds * kSampleRate);
    for (const auto& [centre, hz] : {std::pair{at + note / 2, kChimeFirstHz},
                                     std::pair{at + note + note / 2, kChimeSecondHz}}) {
        EXPECT_GT(level(crest.mono, centre, hz, 1024), 20 * level(plain.mono, centre, hz, 1024))
            << hz;
    }

    // A cue alone: a click is short, a chime holds two notes, a thud is low.
    const Heard chime = split(renderCue(CueKind::Extremum, 0, kZoom));
    ASSERT_EQ(chime.mono.size(), static_cast<std::size_t>(2 * note));
    EXPECT_GT(level(chime.mono, note / 2, kChimeFirstHz, 1024),
              5 * level(chime.mono, note / 2, kChimeSecondHz, 1024));
    EXPECT_GT(level(chime.mono, note + note / 2, kChimeSecondHz, 1024),
              5 * level(chime.mono, note + note / 2, kChimeFirstHz, 1024));
    const Heard lone = split(renderCue(CueKind::Zero, -kZoom, kZoom));
    EXPECT_EQ(lone.mono.size(), static_cast<std::size_t>(click));
    EXPECT_GT(rms(lone.left, 0, 20), 10 * rms(lone.right, 0, 20)); // far left
}

#include "overlay/keypoints.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

// The trace stops on a mark's x, which comes from other arithmetic than the
// key points the cue is looked up among: on every zero, extremum and asymptote
// mark the cue sounds, and a ten-millionth of the view beside it, it does not.
TEST(SoundCues, TheTraceCuesOnEveryMarkItStopsAt) {
    struct Case {
        int family;
        int mode;
        std::vector<std::string> boxes;
        std::string zoom;
    };
    const Case cases[] = {
        {1, 0, {"1", "-2", "-3"}, "10"},         // zeros -1 and 3, vertex at 1
        {1, 1, {"1", "-2", "-3"}, "10"},         // |f|: the vertex flips up
        {2, 0, {"1", "0", "-3", "0"}, "10"},     // a cubic's two extrema
        {3, 0, {"1", "1", "0.3", "0"}, "10"},    // sine: zeros and crests repeat
        {3, 2, {"2", "3", "1", "0"}, "7"},       // sine of |x|
        {4, 0, {"1", "0.5", "0.2", "0"}, "10"},  // cosine
        {5, 0, {"1", "1", "0.25", "0"}, "10"},   // tangent: zeros and asymptotes
        {5, 0, {"3", "0.7", "-0.4", "1"}, "20"}, // shifted, lifted tangent
        {6, 1, {"2", "-3"}, "10"},               // |2^x - 3|: a zero and a corner
        {7, 2, {"3", "-1.2"}, "10"},             // log of |x|: zeros either side
    };
    int heard = 0;
    for (const Case& c : cases) {
        Bench bench;
        bench.form.editZoom(c.zoom);
        bench.plot(c.family, c.mode, c.boxes);
        const std::optional<DrawnCurve> curve = sound::plottedCurve(bench.form);
        ASSERT_TRUE(curve) << c.family;
        const double zoom = bench.form.zoom();
        const std::vector<MarkInstance> marks = marksInView(
            linesOnCurves(bench.form.session().markedLines(), bench.form.drawnCurves()), zoom, {});
        const std::vector<double> xs = markXs(marks);
        for (const MarkInstance& m : marks) {
            // A point on the x axis (a centre, the value at 0) is a zero of the
            // curve, or stands on an asymptote.
            const bool onAxis = m.shape == MarkShape::Point && m.y == 0;
            const bool cued = m.kind == MarkKind::Zero || m.kind == MarkKind::Extremum ||
                              m.kind == MarkKind::Vertex || onAxis ||
                              (m.kind == MarkKind::Asymptote && m.shape == MarkShape::Vertical);
            if (!cued)
                continue;
            const std::string where = std::to_string(c.family) + "/" + std::to_string(c.mode) +
                                      " mark at x = " + std::to_string(m.x);
            const std::optional<sound::CueKind> cue = sound::cueAt(*curve, zoom, m.x);
            ASSERT_TRUE(cue) << where;
            if (m.kind == MarkKind::Zero) {
                EXPECT_EQ(cue, sound::CueKind::Zero) << where;
            }
            if (onAxis) {
                EXPECT_NE(cue, sound::CueKind::Extremum) << where;
            }
            ++heard;
            for (const double aside : {m.x - zoom * 1e-7, m.x + zoom * 1e-7}) {
                const bool nearAnother = std::any_of(xs.begin(), xs.end(), [&](double x) {
                    return std::fabs(x - m.x) > zoom * 1e-9 && std::fabs(x - aside) < zoom * 1e-6;
                });
                if (!nearAnother) {
                    EXPECT_FALSE(sound::cueAt(*curve, zoom, aside)) << where << " aside";
                }
            }
        }
    }
    EXPECT_GT(heard, 40);
}

} // namespace
} // namespace oltrave::testing

namespace {

// A cue that would begin while the one before it still sounds is left out;
// one that begins after it has died away is heard. Edges of the view: a
// curve along the top or the bottom still sounds, and a step tone hisses only
// below the axis.
TEST(SoundCues, CloseCuesAreLeftOutAndTheViewsEdgesSound) {
    const auto f = [](double x) { return x / 2; };
    const Samples one = renderSweep(f, kZoom, {{0}, {2}, {4}});
    // A click lasts 4 ms, 0.027 in x; a chime 140 ms, 0.93; a thud 120 ms, 0.8.
    EXPECT_TRUE(renderSweep(f, kZoom, {{0, 0.01}, {2}, {4}}) == one);
    EXPECT_TRUE(renderSweep(f, kZoom, {{0}, {2, 2.5}, {4}}) == one);
    EXPECT_TRUE(renderSweep(f, kZoom, {{0}, {2}, {4, 4.5}}) == one);
    EXPECT_TRUE(renderSweep(f, kZoom, {{0, 0.05}, {2}, {4}}) != one);
    EXPECT_TRUE(renderSweep(f, kZoom, {{0}, {2, 3}, {4}}) != one);
    EXPECT_TRUE(renderSweep(f, kZoom, {{0}, {2}, {4, 5}}) != one);

    for (const double y : {kZoom, -kZoom}) {
        const Heard edge = sweep([y](double) { return y; });
        EXPECT_GT(rms(edge.mono, frameOf(-5), frameOf(5)), 0.2) << y;
    }

    const auto hiss = [](double y) {
        const Heard h = split(renderStepTone(0, y, kZoom));
        std::vector<double> bend;
        for (std::size_t i = 1000; i + 1 < 4000; ++i)
            bend.push_back(h.mono[i + 1] - 2 * h.mono[i] + h.mono[i - 1]);
        return rms(bend, 0, static_cast<int>(bend.size()));
    };
    EXPECT_GT(hiss(-0.5), 4 * hiss(0.5));
}

} // namespace
