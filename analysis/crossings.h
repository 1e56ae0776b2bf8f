#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace oltrave::crossings {

// A curve's value at x, empty where it is not defined.
using Curve = std::function<std::optional<double>(double)>;

// Where two sampled curves agree on a stretch rather than at points.
struct Stretch {
    double from;
    double to;
};

struct Found {
    std::vector<double> points; // ascending
    std::vector<Stretch> stretches;
    bool everywhere = false; // equal wherever either is defined in [from, to]
};

// Every x in [from, to] where f and g meet: sign changes of f - g refined by
// bisection to the last bit (a pole between two samples is no meeting), and
// touching points where f - g comes to 0 without changing sign.
Found meetings(const Curve& f, const Curve& g, double from, double to);

} // namespace oltrave::crossings
