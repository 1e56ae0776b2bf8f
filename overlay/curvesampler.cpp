#include "curvesampler.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

namespace {

// Subdivisions of one column at most: 2 ^ 6 points for the steepest stretch.
constexpr int kDepth = 6;
// A step longer than this many pixels is refined.
constexpr double kSmooth = 2;

class Sampler {
public:
    Sampler(const std::function<std::optional<double>(double)>& f, const PlaneView& view)
        : f_(f), view_(view) {}

    std::vector<std::vector<PixelPoint>> run() {
        const int columns = static_cast<int>(std::ceil(view_.width));
        std::optional<PixelPoint> last;
        for (int c = 0; c <= columns; ++c) {
            const std::optional<PixelPoint> p = at(c);
            if (last && p)
                joinOrBreak(*last, *p, kDepth);
            else if (p)
                startAtEdge(static_cast<double>(c) - 1, *p);
            else if (last)
                edgeBetween(*last, static_cast<double>(c));
            last = p;
        }
        std::erase_if(lines_, [](const std::vector<PixelPoint>& l) { return l.empty(); });
        return std::move(lines_);
    }

private:
    std::optional<PixelPoint> at(double px) const {
        const std::optional<double> y = f_(view_.xAt(px));
        if (!y || !std::isfinite(*y))
            return std::nullopt;
        return PixelPoint{px, view_.pixelY(*y)};
    }

    void start(const PixelPoint& p) { lines_.push_back({p}); }
    void add(const PixelPoint& p) {
        if (lines_.empty())
            lines_.emplace_back();
        lines_.back().push_back(p);
    }

    // At b, coming from bx which has no value: start at the curve's edge.
    void startAtEdge(double bx, const PixelPoint& b) {
        double inside = b.x;
        double outside = bx;
        std::optional<PixelPoint> first;
        for (int i = 0; i < 30 && bx >= 0; ++i) {
            const double mid = (inside + outside) / 2;
            if (const std::optional<PixelPoint> p = at(mid)) {
                inside = mid;
                first = p;
            } else {
                outside = mid;
            }
        }
        start(first.value_or(b));
        if (first)
            joinOrBreak(*first, b, kDepth);
    }

    // From a, towards b which has no value: follow the curve to its edge.
    void edgeBetween(const PixelPoint& a, double bx) {
        double inside = a.x;
        double outside = bx;
        std::optional<PixelPoint> last;
        for (int i = 0; i < 30; ++i) {
            const double mid = (inside + outside) / 2;
            if (const std::optional<PixelPoint> p = at(mid)) {
                inside = mid;
                last = p;
            } else {
                outside = mid;
            }
        }
        if (last)
            add(*last);
        lines_.emplace_back();
    }

    bool passes(const PixelPoint& a, const PixelPoint& b) const {
        const std::optional<PixelPoint> m = at((a.x + b.x) / 2);
        return m && std::min(a.y, b.y) < m->y && m->y < std::max(a.y, b.y);
    }

    // a is already on the current line; adds what comes up to b.
    void joinOrBreak(const PixelPoint& a, const PixelPoint& b, int depth) {
        if (std::fabs(b.y - a.y) <= kSmooth || depth == 0) {
            // Still a leap across most of the view after refining: a pole,
            // unless the curve passes between the two ends (a logarithm near
            // its edge is steep, not broken).
            if (depth == 0 && std::fabs(b.y - a.y) > view_.height / 2 && !passes(a, b)) {
                lines_.push_back({b});
                return;
            }
            add(b);
            return;
        }
        const std::optional<PixelPoint> m = at((a.x + b.x) / 2);
        if (!m) {
            edgeBetween(a, (a.x + b.x) / 2);
            start(b);
            return;
        }
        joinOrBreak(a, *m, depth - 1);
        joinOrBreak(*m, b, depth - 1);
    }

    const std::function<std::optional<double>(double)>& f_;
    const PlaneView& view_;
    std::vector<std::vector<PixelPoint>> lines_;
};

} // namespace

std::vector<std::vector<PixelPoint>>
sampleCurve(const std::function<std::optional<double>(double)>& f, const PlaneView& view) {
    if (!view.usable())
        return {};
    return Sampler(f, view).run();
}

} // namespace oltrave
