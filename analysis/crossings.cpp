#include "crossings.h"

#include <algorithm>
#include <cmath>

namespace oltrave::crossings {

namespace {

// Fine enough that two meetings of a curve of the families within one step
// are rare; those within a step are still found as a dip of |f - g|.
constexpr int kSteps = 4096;
// Values this close, relative to their size, are one value: the rounding of
// two formulas for one number.
constexpr double kAgree = 1e-10;

struct Sample {
    double x = 0;
    std::optional<double> f;
    std::optional<double> g;

    bool both() const { return f && g; }
    double gap() const { return *f - *g; }
    double size() const { return std::max({1.0, std::fabs(*f), std::fabs(*g)}); }
    bool agrees() const { return both() && std::fabs(gap()) <= kAgree * size(); }
};

class Finder {
public:
    Finder(const Curve& f, const Curve& g) : f_(f), g_(g) {}

    Sample at(double x) const { return {x, f_(x), g_(x)}; }

    // The last bit of a sign change of f - g between a and b, or nothing when
    // the change is a pole or a gap in either domain.
    std::optional<double> bisect(Sample a, Sample b) const {
        const double bound = std::min(std::fabs(a.gap()), std::fabs(b.gap()));
        const bool rising = a.gap() < 0;
        for (;;) {
            const double mid = a.x + (b.x - a.x) / 2;
            if (mid <= a.x || mid >= b.x)
                break;
            const Sample m = at(mid);
            if (!m.both())
                return std::nullopt;
            if (m.gap() == 0)
                return mid;
            ((m.gap() < 0) == rising ? a : b) = m;
        }
        const Sample& best = std::fabs(a.gap()) <= std::fabs(b.gap()) ? a : b;
        if (std::fabs(best.gap()) > bound || std::fabs(best.gap()) > 1e-6 * best.size())
            return std::nullopt;
        return best.x;
    }

    // Where sign * (f - g) is least between a and b, given that it falls at a
    // and rises at b: bisection on the sign of a symmetric difference.
    double lowest(double a, double b, double sign) const {
        for (int i = 0; i < 200; ++i) {
            const double mid = a + (b - a) / 2;
            if (mid <= a || mid >= b)
                break;
            const double h = 1e-6 * std::max(1.0, std::fabs(mid));
            const Sample left = at(mid - h);
            const Sample right = at(mid + h);
            if (!left.both() || !right.both())
                break;
            (sign * (right.gap() - left.gap()) < 0 ? a : b) = mid;
        }
        return a + (b - a) / 2;
    }

    // A stretch's end between an agreeing sample and one that is not.
    double edge(Sample inside, Sample outside) const {
        for (int i = 0; i < 200; ++i) {
            const double mid = inside.x + (outside.x - inside.x) / 2;
            if (mid == inside.x || mid == outside.x)
                break;
            const Sample m = at(mid);
            (m.agrees() ? inside : outside) = m;
        }
        return inside.x;
    }

private:
    const Curve& f_;
    const Curve& g_;
};

} // namespace

Found meetings(const Curve& f, const Curve& g, double from, double to) {
    Found found;
    if (!(from < to))
        return found;
    const Finder finder(f, g);
    std::vector<Sample> s;
    s.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i)
        s.push_back(finder.at(i == kSteps ? to : from + (to - from) * i / kSteps));

    // Agreement wherever either curve is drawn: one and the same curve.
    bool anyDrawn = false;
    bool allAgree = true;
    for (const Sample& p : s) {
        if (p.f || p.g) {
            anyDrawn = true;
            allAgree = allAgree && p.agrees();
        }
    }
    if (anyDrawn && allAgree) {
        found.everywhere = true;
        return found;
    }

    // Runs of three or more agreeing samples are stretches, not points.
    std::vector<bool> stretched(s.size(), false);
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = i;
        while (j < s.size() && s[j].agrees())
            ++j;
        if (j - i >= 3) {
            const double start = i > 0 && s[i - 1].both() ? finder.edge(s[i], s[i - 1]) : s[i].x;
            const double end =
                j < s.size() && s[j].both() ? finder.edge(s[j - 1], s[j]) : s[j - 1].x;
            found.stretches.push_back({start, end});
            std::fill(stretched.begin() + static_cast<long>(i),
                      stretched.begin() + static_cast<long>(j), true);
        }
        i = std::max(j, i + 1);
    }

    std::vector<double>& points = found.points;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Sample& p = s[i];
        if (stretched[i] || !p.both())
            continue;
        if (p.gap() == 0) {
            points.push_back(p.x);
            continue;
        }
        if (i + 1 < s.size() && !stretched[i + 1] && s[i + 1].both() && s[i + 1].gap() != 0 &&
            (p.gap() < 0) != (s[i + 1].gap() < 0)) {
            if (const std::optional<double> x = finder.bisect(p, s[i + 1]))
                points.push_back(*x);
            continue;
        }
        // A dip of |f - g| towards 0 between two samples of the same sign:
        // a touching point, or two meetings closer than a step.
        if (i == 0 || i + 1 == s.size() || stretched[i - 1] || stretched[i + 1] ||
            !s[i - 1].both() || !s[i + 1].both())
            continue;
        const double sign = p.gap() < 0 ? -1 : 1;
        const double here = sign * p.gap();
        const double before = sign * s[i - 1].gap();
        const double after = sign * s[i + 1].gap();
        if (!(here <= before && here < after && before > 0 && after > 0))
            continue;
        const double x = finder.lowest(s[i - 1].x, s[i + 1].x, sign);
        const Sample low = finder.at(x);
        if (!low.both())
            continue;
        if (std::fabs(low.gap()) <= kAgree * low.size()) {
            points.push_back(x);
        } else if (sign * low.gap() < 0) {
            for (const auto& [a, b] : {std::pair{s[i - 1], low}, std::pair{low, s[i + 1]}})
                if (const std::optional<double> root = finder.bisect(a, b))
                    points.push_back(*root);
        }
    }
    std::sort(points.begin(), points.end());
    return found;
}

} // namespace oltrave::crossings
