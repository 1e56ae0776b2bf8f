#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/drawncurve.h"

namespace oltrave {

// A mark on an axis: its value, and its label (empty where the label would
// not fit inside the axis).
struct Tick {
    double value = 0;
    double pixel = 0; // from the axis' low end
    std::string label;
};

struct AxisTicks {
    double step = 0; // between neighbouring ticks; 0 when none fit
    bool pi = false; // steps and labels in multiples of π
    std::vector<Tick> ticks;
};

// Ticks closer than this are a blur.
inline constexpr double kTickGap = 40;
// Blank pixels between two labels at the least.
inline constexpr double kLabelGap = 4;

// How many pixels a label takes along the axis.
using LabelExtent = std::function<double(const std::string& label)>;

// The ticks of an axis showing low to high over pixels: the smallest step of
// 1, 2 or 5 times a power of ten (with pi, π/4, π/2, then 1, 2 or 5 times a
// power of ten of π) at least kTickGap pixels long on which no two labels
// come closer than kLabelGap. Ticks in π give way to decimal ones when the
// view is narrower than π/4.
AxisTicks placeTicks(double low, double high, double pixels, bool pi, const LabelExtent& extent);

// Whether there are curves and every one of them is periodic: then the x
// axis reads best in multiples of π.
bool periodicOnly(const std::vector<DrawnCurve>& curves);

// A tick value's label: the number as the list writes it, or in π ("3π/4").
std::string tickLabel(double multiple, double step, bool pi);

} // namespace oltrave
