#pragma once

#include <array>
#include <cmath>
#include <limits>

#include "canvas.h"
#include "familytable.h"
#include "resultline.h"
#include "resultlist.h"

namespace oltrave {

// π as the product writes it, not to full precision.
inline constexpr double kPi = 3.14159265358979;

// Quantities every plot command works out before the dispatch; only the
// periodic families read them. Infinite or NaN when coef(1) is 0.
struct PeriodicValues {
    double period = 0;  // Abs(2π / ω)
    double qperiod = 0; // π / (2 ω)
    double shift = 0;   // φ / ω
    double speriod = 0; // 2π / ω
    double hperiod = 0; // π / ω
};

// The periodic quantities of ω and φ.
inline PeriodicValues periodicValues(double omega, double phi) {
    PeriodicValues p;
    p.period = std::fabs(2 * kPi / omega);
    p.qperiod = kPi / (2 * omega);
    p.shift = phi / omega;
    p.speriod = 2 * kPi / omega;
    p.hperiod = kPi / omega;
    return p;
}

// What a family branch receives from the plot command and the only ways it
// can act: draw points, append lines, report a completed plot.
class PlotContext {
public:
    PlotContext(const std::array<double, 4>& coef, double zoom, int absmode,
                const PeriodicValues& periodic, Canvas& canvas, ResultList& list)
        : coef_(coef), zoom_(zoom), absmode_(absmode), periodic_(periodic), canvas_(canvas),
          list_(list) {}

    double coef(int index) const { return coef_[static_cast<std::size_t>(index)]; }
    // A branch lists nothing for coefficients outside its family.
    bool coefficientsValid(FunctionFamily family) const {
        return oltrave::coefficientsValid(family, coef_);
    }
    double zoom() const { return zoom_; }
    int absmode() const { return absmode_; }
    const PeriodicValues& periodic() const { return periodic_; }

    // The shared sampling loop: x from -zoom by repeated addition of zoom / 10000
    // while x <= zoom, each computable point drawn in the curve colour.
    template <typename Function> void sample(Function&& f) {
        const double step = zoom_ / kStepsPerHalfWidth;
        const double bound = zoom_;
        // Handed over in runs: a call per point would cost more than the point.
        std::array<CanvasPoint, 512> run;
        std::size_t held = 0;
        double x = -zoom_;
        while (x <= bound) {
            const double y = f(x);
            if (drawable(x, y)) {
                run[held++] = {static_cast<float>(x), static_cast<float>(y)};
                if (held == run.size()) {
                    canvas_.points(run.data(), held, kCurveColour);
                    held = 0;
                }
            }
            const double next = x + step;
            if (!(next > x))
                break; // a step too small to move x would never end the loop
            x = next;
        }
        if (held > 0)
            canvas_.points(run.data(), held, kCurveColour);
    }

    // Draws one curve point; a coordinate that is not finite or lies beyond
    // single precision cannot be drawn and is skipped.
    void drawPoint(double x, double y) {
        if (drawable(x, y))
            canvas_.point(static_cast<float>(x), static_cast<float>(y), kCurveColour);
    }

    // Appends a line unless one of its numbers could not be computed.
    void append(const ResultLine& line) {
        if (line.valid())
            list_.append(line.text());
    }

    void setPlotted() { plotted_ = true; }
    bool plotted() const { return plotted_; }

    static bool fitsCanvas(double v) {
        return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
    }
    static bool drawable(double x, double y) { return fitsCanvas(x) && fitsCanvas(y); }

    static constexpr double kStepsPerHalfWidth = 10000;

private:
    const std::array<double, 4>& coef_;
    double zoom_;
    int absmode_;
    const PeriodicValues& periodic_;
    Canvas& canvas_;
    ResultList& list_;
    bool plotted_ = false;
};

} // namespace oltrave
