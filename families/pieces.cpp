#include "pieces.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

ResultLine signedTail(const Real& v) {
    ResultLine tail;
    if (v != 0) {
        if (0 >= v)
            tail << " - " << grouped(fabs(v));
        else
            tail << " + " << grouped(v);
    } else {
        tail << " ";
    }
    return tail;
}

ResultLine formulaLine(AbsMode absmode, const ResultLine& lead, const FormulaForm& form,
                       const Real& constant) {
    ResultLine body;
    body << lead << (absmode == AbsMode::OfArgument ? form.absVariable : form.variable)
         << signedTail(constant);
    return formulaFrame(absmode, body);
}

ResultLine formulaFrame(AbsMode absmode, const ResultLine& body) {
    ResultLine line;
    line << piece::kFormulaStart;
    if (absmode == AbsMode::OfValue)
        line << "| ";
    line << body;
    if (absmode == AbsMode::OfValue)
        line << " |";
    return line;
}

namespace {

ResultLine bracketed(std::string_view open, const ResultLine& low, const ResultLine& high,
                     std::string_view close) {
    ResultLine text;
    text << " " << open << " " << low << " , " << high << " " << close << " ";
    return text;
}

ResultLine number(const Real& v) {
    ResultLine text;
    text << Num{v};
    return text;
}

ResultLine fixed(std::string_view piece) {
    ResultLine text;
    text << piece;
    return text;
}

} // namespace

ResultLine fromClosed(const Real& low) {
    return bracketed("[", number(low), fixed(piece::kPlusInfinity), ")");
}
ResultLine fromOpen(const Real& low) {
    return bracketed("(", number(low), fixed(piece::kPlusInfinity), ")");
}
ResultLine upToClosed(const Real& high) {
    return bracketed("(", fixed(piece::kMinusInfinity), number(high), "]");
}
ResultLine upToOpen(const Real& high) {
    return bracketed("(", fixed(piece::kMinusInfinity), number(high), ")");
}
ResultLine openInterval(const Real& low, const Real& high) {
    return bracketed("(", number(low), number(high), ")");
}
ResultLine between(const Real& low, const Real& high) {
    return bracketed("[", number(low), number(high), "]");
}

ResultLine openClosed(const Real& low, const Real& high) {
    return bracketed("(", number(low), number(high), "]");
}

void appendMirroredIntervals(PlotContext& context, bool decreasingOnRight) {
    const std::array<ResultLine, 2> lines = mirroredIntervals(decreasingOnRight);
    const Stretch right = stretch(0, kInfinity);
    const Stretch left = stretch(-kInfinity, 0);
    context.append(lines[0], {}, decreasingOnRight ? right : left);
    context.append(lines[1], {}, decreasingOnRight ? left : right);
}

std::array<ResultLine, 2> mirroredIntervals(bool decreasingOnRight) {
    const ResultLine right = fromOpen(Real(0));
    const ResultLine left = upToOpen(Real(0));
    return {propertyLine(piece::kDecreasing) << (decreasingOnRight ? right : left),
            propertyLine(piece::kIncreasing) << (decreasingOnRight ? left : right)};
}

std::vector<double> quadraticRoots(double a, double b, double c) {
    const double disc = b * b - 4 * a * c;
    if (disc < 0 || std::isnan(disc))
        return {};
    if (disc == 0)
        return {-b / (2 * a)};
    // The form without cancellation: q takes the sign of b, the roots are q / a and c / q.
    const double q = -(b + std::copysign(std::sqrt(disc), b)) / 2;
    const double first = q / a;
    const double second = c / q;
    return {std::min(first, second), std::max(first, second)};
}

} // namespace oltrave
