#include <cmath>
#include <limits>

#include "families.h"
#include "pieces.h"

namespace oltrave {

namespace {

// log base a of v, NaN where it does not exist: v not positive, or a base
// that is not positive or is 1. Tested rather than left to the arithmetic:
// with a base of 0 the quotient by ln 0 = -inf comes out finite.
double logOf(double v, double a) {
    if (!(v > 0) || !(a > 0) || a == 1)
        return std::numeric_limits<double>::quiet_NaN();
    return std::log(v) / std::log(a);
}

} // namespace

// y = log a ( x ) + M in the modes f(x), |f(x)| and f(|x|).
void plotLogarithmic(PlotContext& context) {
    const double a = context.coef(0);
    const double M = context.coef(1);
    const int mode = context.absmode();

    sampleInMode(context, [&](double x) { return logOf(x, a) + M; });

    if (!context.coefficientsValid(FunctionFamily::Logarithmic))
        return;
    const bool rising = a > 1;

    ResultLine body;
    body << "lg( " << (mode == 2 ? "| x | ) / " : "x ) / ") << "lg( " << Num{a};
    if (M > 0)
        body << " ) +" << Num{M};
    else if (M < 0)
        body << " ) -" << Num{std::fabs(M)};
    else
        body << " )";
    context.append(formulaFrame(mode, body));

    if (mode == 2)
        context.append(propertyLine(piece::kSymmetryAxis) << "0");

    if (mode == 1)
        context.append(propertyLine(piece::kRange) << fromClosed(0));
    else
        context.append(propertyLine(piece::kRange) << "R");

    if (mode == 0) {
        context.append(propertyLine(rising ? piece::kIncreasing : piece::kDecreasing)
                       << fromOpen(0));
    } else if (mode == 2) {
        for (const ResultLine& line : mirroredIntervals(!rising))
            context.append(line);
    }

    context.setPlotted();
}

} // namespace oltrave
