#include "curvesampler.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

namespace {

// Subdivisions of one column at most: 2 ^ 6 points for the steepest stretch.
constexpr int kDepth = 6;
// A step longer than this many pixels is refined.
constexpr double kSmooth = 2;
// A point this close to the line joining its neighbours is left out.
constexpr double kStraight = 0.1;
// At most this many points in a row are left out, so checking stays cheap.
constexpr std::size_t kLongestRun = 24;

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
        std::vector<PixelPoint>& line = lines_.back();
        if (droppedFrom_ != lines_.size()) {
            dropped_.clear();
            droppedFrom_ = lines_.size();
        }
        // A point the straight line past it would pass within a hair of adds
        // nothing to the picture but stroking work; so do the points left out
        // before it, checked again against the longer line.
        if (line.size() >= 2 && dropped_.size() < kLongestRun) {
            const PixelPoint& a = line[line.size() - 2];
            dropped_.push_back(line.back());
            const bool straight = std::all_of(dropped_.begin(), dropped_.end(),
                                              [&](const PixelPoint& q) { return near(a, p, q); });
            if (straight) {
                line.back() = p;
                return;
            }
        }
        dropped_.clear();
        line.push_back(p);
    }

    // Whether q lies within kStraight of the segment a to b.
    static bool near(const PixelPoint& a, const PixelPoint& b, const PixelPoint& q) {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        if (length2 == 0)
            return std::hypot(q.x - a.x, q.y - a.y) < kStraight;
        const double t = ((q.x - a.x) * dx + (q.y - a.y) * dy) / length2;
        if (t < 0 || t > 1)
            return false;
        return std::fabs(dx * (q.y - a.y) - dy * (q.x - a.x)) / std::sqrt(length2) < kStraight;
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
        // Beyond the same edge both: nothing of it shows, however steep.
        const bool hidden = (a.y < 0 && b.y < 0) || (a.y > view_.height && b.y > view_.height);
        if (hidden && !lines_.empty() && !lines_.back().empty() && lines_.back().back().x == a.x &&
            lines_.back().size() >= 2) {
            // Drop the middle of a hidden run: its ends keep the line's way in and out.
            const PixelPoint& before = lines_.back()[lines_.back().size() - 2];
            if ((before.y < 0) == (a.y < 0) && (before.y > view_.height) == (a.y > view_.height))
                lines_.back().back() = b;
            else
                add(b);
            return;
        }
        if (hidden) {
            add(b);
            return;
        }
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
    std::vector<PixelPoint> dropped_; // left out of the current line's last stretch
    std::size_t droppedFrom_ = 0;     // the line they belong to, counted from 1
};

} // namespace

std::vector<std::vector<PixelPoint>>
sampleCurve(const std::function<std::optional<double>(double)>& f, const PlaneView& view) {
    if (!view.usable())
        return {};
    return Sampler(f, view).run();
}

namespace {

// Liang-Barsky: the part of a to b inside the box, as fractions of the way.
bool clipSegment(const PixelPoint& a, const PixelPoint& b, double low, double high, double top,
                 double bottom, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - low, high - a.x, a.y - top, bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::vector<PixelPoint>> clipToView(const std::vector<std::vector<PixelPoint>>& lines,
                                                const PlaneView& view, double margin) {
    const double low = -margin;
    const double high = view.width + margin;
    const double top = -margin;
    const double bottom = view.height + margin;
    std::vector<std::vector<PixelPoint>> clipped;
    for (const std::vector<PixelPoint>& line : lines) {
        bool open = false;
        if (line.size() == 1) {
            const PixelPoint& p = line.front();
            if (p.x >= low && p.x <= high && p.y >= top && p.y <= bottom)
                clipped.push_back({p});
            continue;
        }
        for (std::size_t i = 1; i < line.size(); ++i) {
            const PixelPoint& a = line[i - 1];
            const PixelPoint& b = line[i];
            double t0 = 0;
            double t1 = 1;
            if (!clipSegment(a, b, low, high, top, bottom, t0, t1)) {
                open = false;
                continue;
            }
            const PixelPoint from{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
            const PixelPoint to{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
            if (!open)
                clipped.push_back({from});
            clipped.back().push_back(to);
            // Cut short at the edge: the next part starts afresh.
            open = t1 == 1;
        }
    }
    return clipped;
}

} // namespace oltrave
