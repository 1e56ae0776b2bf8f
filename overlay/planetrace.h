#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "curvechoice.h"
#include "model/drawncurve.h"
#include "planeview.h"
#include "trace.h"

namespace oltrave {

// The plot window's trace: a point on one of its curves (the newest unless
// one was chosen), placed by a click and moved by the keys a pixel, ten
// pixels, to an edge or to the traced curve's next mark. It keeps its plane x
// while the view pans or zooms.
class PlaneTrace {
public:
    // Traces curve index of curveCount from now on.
    void choose(std::size_t curve, std::size_t curveCount) { choice_.choose(curve, curveCount); }
    void place(const PlaneView& view, double pixelX);
    void hide() { shown_ = false; }
    // Shows the trace if it was hidden, then moves it. markXs are the x of
    // the traced curve's marks, in any order.
    void move(Trace::Move move, const PlaneView& view, std::size_t curveCount,
              const std::vector<double>& markXs);

    bool shown() const { return shown_; }
    double x() const { return x_; }
    std::optional<std::size_t> curve(std::size_t curveCount) const {
        return choice_.curve(curveCount);
    }
    std::optional<Readout> readout(const PlaneView& view,
                                   const std::vector<DrawnCurve>& curves) const;

private:
    bool shown_ = false;
    double x_ = 0;
    CurveChoice choice_;
};

} // namespace oltrave
