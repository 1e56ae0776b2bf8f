#include "rows.h"

#include <array>
#include <string_view>
#include <utility>

#include "model/language.h"
#include "model/resultline.h"

namespace oltrave {

namespace {

// English and the words of Chinese school textbooks.
constexpr std::array<WordPair, 20> kWords{{
    {"Domain", "定义域"},
    {"Range", "值域"},
    {"Parity", "奇偶性"},
    {"Period", "周期"},
    {"Zeros", "零点"},
    {"y-Intercept", "与 y 轴的交点"},
    {"Extrema", "极值"},
    {"Increasing Intervals", "单调递增区间"},
    {"Decreasing Intervals", "单调递减区间"},
    {"Symmetry Axes", "对称轴"},
    {"Symmetric Centers", "对称中心"},
    {"Asymptotes", "渐近线"},
    {"Inflection Points", "拐点"},
    {"odd", "奇函数"},
    {"even", "偶函数"},
    {"neither", "非奇非偶函数"},
    {"none", "无"},
    {"max", "极大值"},
    {"min", "极小值"},
    {"The same curve", "同一条曲线"},
}};

std::string word(std::string_view english) {
    return std::string(wordIn(kWords, english));
}

constexpr std::string_view kForEveryK = " ( k ∈ Z )";
constexpr std::string_view kSeparator = " ; ";

// "base + step * k", or the number alone.
std::string xText(const XValue& x) {
    std::string text = numberText(x.base);
    if (x.step)
        text += " + " + numberText(*x.step) + " * k";
    return text;
}
std::string kSuffix(const XValue& x) {
    return x.step ? std::string(kForEveryK) : std::string();
}

std::string spanText(const Span& s) {
    if (!s.from && !s.to && !s.step)
        return "R";
    const std::string k = s.step ? " + " + numberText(*s.step) + " * k" : "";
    std::string text = s.closedFrom ? "[ " : "( ";
    text += s.from ? numberText(*s.from) + k : "- ∞";
    text += " , ";
    text += s.to ? numberText(*s.to) + k : "+ ∞";
    text += s.closedTo ? " ]" : " )";
    if (s.step)
        text += kForEveryK;
    return text;
}

std::string pointText(const XValue& x, const Real& y) {
    return "( " + xText(x) + " , " + numberText(y) + " )" + kSuffix(x);
}

template <typename Item, typename Write>
std::string listText(const std::vector<Item>& items, Write write, std::string_view separator) {
    if (items.empty())
        return word("none");
    std::string text;
    for (const Item& item : items) {
        if (!text.empty())
            text += separator;
        text += write(item);
    }
    return text;
}

std::string domainText(const Analysis& an) {
    if (!an.domainExcept.empty()) {
        return listText(
            an.domainExcept, [](const XValue& x) { return "x ≠ " + xText(x) + kSuffix(x); },
            kSeparator);
    }
    return listText(an.domain, spanText, " ∪ ");
}

std::string parityText(Parity parity) {
    switch (parity) {
    case Parity::Odd: return word("odd");
    case Parity::Even: return word("even");
    case Parity::Neither: break;
    }
    return word("neither");
}

std::string asymptoteText(const Asymptote& a) {
    if (a.vertical)
        return "x = " + xText(*a.vertical) + kSuffix(*a.vertical);
    std::string text = "y = " + numberText(a.level);
    switch (a.side) {
    case Side::MinusInfinity: return text + " ( x → - ∞ )";
    case Side::PlusInfinity: return text + " ( x → + ∞ )";
    case Side::Both: break;
    }
    return text + " ( x → ± ∞ )";
}

} // namespace

std::string numberText(const Real& number) {
    ResultLine line;
    line << Num{number};
    return line.text();
}

double nearestDouble(const Real& number) {
    return number.exact ? number.exact.toDouble() : number.value;
}

std::vector<AnalysisRow> analysisRows(const Analysis& an) {
    const auto xs = [](const XValue& x) { return xText(x) + kSuffix(x); };
    const auto point = [](const CurvePoint& p) { return pointText(p.x, p.y); };
    const auto extremum = [](const Extremum& e) {
        return word(e.kind == ExtremumKind::Max ? "max" : "min") + " " + pointText(e.x, e.y);
    };
    const auto axis = [](const XValue& x) { return "x = " + xText(x) + kSuffix(x); };
    return {
        {word("Domain"), domainText(an)},
        {word("Range"), listText(an.range, spanText, " ∪ ")},
        {word("Parity"), parityText(an.parity)},
        {word("Period"), an.period ? numberText(*an.period) : word("none")},
        {word("Zeros"), listText(an.zeros, xs, kSeparator)},
        {word("y-Intercept"),
         an.yIntercept ? "( 0 , " + numberText(*an.yIntercept) + " )" : word("none")},
        {word("Extrema"), listText(an.extrema, extremum, kSeparator)},
        {word("Increasing Intervals"), listText(an.increasing, spanText, kSeparator)},
        {word("Decreasing Intervals"), listText(an.decreasing, spanText, kSeparator)},
        {word("Symmetry Axes"), listText(an.axes, axis, kSeparator)},
        {word("Symmetric Centers"), listText(an.centres, point, kSeparator)},
        {word("Asymptotes"), listText(an.asymptotes, asymptoteText, kSeparator)},
        {word("Inflection Points"), listText(an.inflections, point, kSeparator)},
    };
}

std::vector<std::string> intersectionRows(const Intersections& meeting) {
    if (meeting.sameCurve)
        return {word("The same curve")};
    std::vector<std::string> rows;
    for (const Intersection& p : meeting.points)
        rows.push_back(pointText({p.x, std::nullopt}, p.y));
    for (const Span& s : meeting.overlaps)
        rows.push_back(spanText(s));
    return rows;
}

} // namespace oltrave
