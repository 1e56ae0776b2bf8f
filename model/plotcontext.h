#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "absmode.h"
#include "canvas.h"
#include "familytable.h"
#include "mark.h"
#include "resultline.h"
#include "session.h"

namespace oltrave {

// π as the product writes it, not to full precision.
inline constexpr double kPi = 3.14159265358979;

// Quantities every plot command works out before the dispatch; only the
// periodic families read them. Infinite or NaN when coef(1) is 0. In exact
// mode π is exact beside its double.
struct PeriodicValues {
    Real period;  // Abs(2π / ω)
    Real qperiod; // π / (2 ω)
    Real shift;   // φ / ω
    Real speriod; // 2π / ω
    Real hperiod; // π / ω
};

// What a family receives from the plot command and the only ways it can act:
// draw points and append lines.
class PlotContext {
public:
    // Without exact values, every line is written as the decimal program writes it.
    // Lines go to the session, each naming the curve; without a session
    // (a curve drawn again) they go nowhere.
    PlotContext(const Coefficients& coef, double zoom, AbsMode absmode,
                const PeriodicValues& periodic, Canvas& canvas, Session* session,
                const ExactCoefficients* exact = nullptr,
                std::optional<DrawnCurve> curve = std::nullopt)
        : coef_(coef), zoom_(zoom), absmode_(absmode), periodic_(periodic), canvas_(canvas),
          session_(session), exact_(exact), curve_(std::move(curve)) {}

    double coef(int index) const { return coef_[static_cast<std::size_t>(index)]; }
    // A coefficient with its exact value beside it, for the lines.
    Real value(int index) const {
        const auto i = static_cast<std::size_t>(index);
        return exact_ ? Real{coef_[i], (*exact_)[i]} : Real(coef_[i]);
    }
    const Coefficients& coefficients() const { return coef_; }
    double zoom() const { return zoom_; }
    AbsMode absmode() const { return absmode_; }
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

    // Appends a line unless one of its numbers could not be computed. In exact
    // mode the line keeps the decimal program's line beside it.
    void append(const ResultLine& line) { append(line, {}); }
    // The same, with what the line names on the plot; a line left out takes
    // its marks with it.
    void append(const ResultLine& line, std::vector<Mark> marks,
                std::optional<Stretch> stretch = std::nullopt) {
        if (session_)
            session_->append(line, exact_ != nullptr, std::move(marks), stretch, curve_);
    }

    static bool drawable(double x, double y) {
        return fitsSinglePrecision(x) && fitsSinglePrecision(y);
    }

    static constexpr double kStepsPerHalfWidth = 10000;

private:
    const Coefficients& coef_;
    double zoom_;
    AbsMode absmode_;
    const PeriodicValues& periodic_;
    Canvas& canvas_;
    Session* session_;
    const ExactCoefficients* exact_;
    std::optional<DrawnCurve> curve_;
};

// A family's curve: its function in the given mode, chosen once per loop and
// inlined into it.
template <FamilyFunction F> void sampleCurve(PlotContext& context, AbsMode mode) {
    // A copy the loop owns: nothing the loop writes can be taken to change it.
    const Coefficients coef = context.coefficients();
    const auto f = [&coef](double x) { return F(coef, x); };
    withMode(mode,
             [&](auto mode) { context.sample([&](double x) { return inMode(mode, f, x); }); });
}

} // namespace oltrave
