#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curvechoice.h"
#include "model/drawncurve.h"
#include "viewport.h"

namespace oltrave {

// Decimals a read-out number gets: the fewest that still tell one pixel from
// the next, from the smaller of a pixel's width and height; 0 to 15.
int readoutDecimals(const Viewport& view);
// The same for a pixel that many plane units across, the smaller way.
int readoutDecimals(double pixel);

// v rounded to the given decimals; a value beyond the decimals' precision stays.
double roundToDecimals(double v, int decimals);

// What the trace read-out shows.
struct Readout {
    double x = 0;
    std::optional<double> y; // empty where the curve has no value
    bool onCurve = false;    // false: the mouse's plane coordinates
    std::string xText;
    std::string yText; // "-" for no value

    std::string text() const { return "x = " + xText + ", y = " + yText; }
};

// The read-out at x rounded to decimals: on curve, its value at the x as
// written; without one, the plane height mouseY.
Readout readoutAt(double x, int decimals, const DrawnCurve* curve, double mouseY);

// The trace on the plotting area: a point on one of the drawn curves (the
// last one unless the keys chose another), moved by the mouse or the keys.
class Trace {
public:
    enum class Move {
        Left,
        Right,
        FarLeft, // ten pixels
        FarRight,
        Home,
        End,
        PreviousMark,
        NextMark,
        PreviousCurve, // drawn before the traced one
        NextCurve,
    };

    void hover(const Viewport& view, int column, int row);
    void hide() { shown_ = false; }
    // Shows the trace if it was hidden, then moves it. markXs are the x of the
    // marks inside the view, in any order.
    void move(Move move, const Viewport& view, std::size_t curveCount,
              const std::vector<double>& markXs);

    bool shown() const { return shown_; }
    double x() const { return x_; }
    // The traced curve's index, or nothing with no curve drawn.
    std::optional<std::size_t> curve(std::size_t curveCount) const {
        return choice_.curve(curveCount);
    }
    std::optional<Readout> readout(const Viewport& view,
                                   const std::vector<DrawnCurve>& curves) const;

private:
    bool shown_ = false;
    double x_ = 0;
    std::optional<int> column_; // the pixel x_ is the left edge of, when it is one
    double mouseY_ = 0;
    CurveChoice choice_; // chosen with the keys
};

} // namespace oltrave
