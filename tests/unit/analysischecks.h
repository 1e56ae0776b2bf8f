#pragma once

// Building an analysis from box texts as Print reads them, for the tables,
// the property test and the fuzz target.

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/rows.h"
#include "exact/exactreader.h"
#include "exactchecks.h"
#include "model/familytable.h"
#include "model/numtext.h"

namespace oltrave::testing {

inline const FamilyDescription& familyNamed(std::string_view name) {
    for (int i = 0; i < familyCount(); ++i) {
        if (familyDescription(i)->name == name)
            return *familyDescription(i);
    }
    return *familyDescription(0);
}

// Each text read exactly when asked and the grammar allows, else as a decimal.
inline RealCoefficients readCoefficients(const std::vector<std::string>& texts, bool exact) {
    RealCoefficients coef;
    for (std::size_t i = 0; i < texts.size() && i < coef.size(); ++i) {
        if (exact) {
            if (const std::optional<ExactReading> r = readExact(texts[i])) {
                coef[i] = Real{r->nearest, r->value};
                continue;
            }
        }
        coef[i] = Real(numval(texts[i]).value_or(0));
    }
    if (exact) {
        for (std::size_t i = texts.size(); i < coef.size(); ++i)
            coef[i] = Real{0, ExactValue::integer(0)};
    }
    return coef;
}

inline std::optional<Analysis> analysisOf(std::string_view family, int mode,
                                          const std::vector<std::string>& texts, bool exact) {
    return analyse(familyNamed(family), modeAt(mode), readCoefficients(texts, exact));
}

inline std::vector<std::string> rowTexts(const Analysis& analysis) {
    std::vector<std::string> texts;
    for (const AnalysisRow& row : analysisRows(analysis))
        texts.push_back(row.text());
    return texts;
}

// Every number the analysis holds, bounds and steps included.
inline void forEachNumber(const Analysis& an, const std::function<void(const Real&)>& visit) {
    const auto x = [&](const XValue& v) {
        visit(v.base);
        if (v.step)
            visit(*v.step);
    };
    const auto span = [&](const Span& s) {
        for (const auto* bound : {&s.from, &s.to, &s.step})
            if (*bound)
                visit(**bound);
    };
    for (const auto* spans : {&an.domain, &an.range, &an.increasing, &an.decreasing})
        std::for_each(spans->begin(), spans->end(), span);
    for (const auto* xs : {&an.domainExcept, &an.zeros, &an.axes})
        std::for_each(xs->begin(), xs->end(), x);
    for (const auto* n : {&an.period, &an.yIntercept})
        if (*n)
            visit(**n);
    for (const Extremum& e : an.extrema) {
        x(e.x);
        visit(e.y);
    }
    for (const auto* points : {&an.centres, &an.inflections}) {
        for (const CurvePoint& p : *points) {
            x(p.x);
            visit(p.y);
        }
    }
    for (const Asymptote& a : an.asymptotes) {
        if (a.vertical)
            x(*a.vertical);
        else
            visit(a.level);
    }
}

// The instances of an x near the origin: the base, and for a k-family the
// members one and two steps away.
inline std::vector<double> instances(const XValue& x) {
    if (!x.step)
        return {x.base.value};
    const double s = x.step->value;
    return {x.base.value - s, x.base.value, x.base.value + s, x.base.value + 2 * s};
}

// What the analysis of f promises, checked against f itself; "" when it holds.
// scale is how large f's values are around the points checked.
inline std::string analysisFault(const FamilyDescription& family, int mode,
                                 const RealCoefficients& coef, const Analysis& an) {
    const Coefficients c{coef[0].value, coef[1].value, coef[2].value, coef[3].value};
    const auto f = [&](double x) { return valueInMode(family, modeAt(mode), c, x); };
    const auto close = [](double a, double b, double tolerance) {
        return std::fabs(a - b) <= tolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
    };
    const auto at = [](const std::string& what, double x) {
        return what + " at x = " + numtext(x);
    };
    for (const XValue& zero : an.zeros) {
        for (double x : instances(zero)) {
            const std::optional<double> y = f(x);
            // The slope scales the error a rounded x leaves in y.
            const std::optional<double> near = f(x + 1e-6 * std::max(1.0, std::fabs(x)));
            const double slack = near && y ? std::fabs(*near - *y) * 1e-2 + 1e-9 : 1e-9;
            if (!y || std::fabs(*y) > slack)
                return at("not a zero", x);
        }
    }
    constexpr double kNeighbour = 1e-4;
    for (const Extremum& e : an.extrema) {
        for (double x : instances(e.x)) {
            // Closer in where the domain ends nearby (a logarithm's fold near 0).
            const double d = x != 0 ? std::min(kNeighbour, std::fabs(x) / 2) : kNeighbour;
            const std::optional<double> y = f(x), left = f(x - d), right = f(x + d);
            if (!y || !left || !right)
                return at("extremum outside the domain", x);
            if (!close(*y, e.y.value, 1e-9))
                return at("extremum value " + numtext(e.y.value) + " is not f", x);
            const double slack = 1e-12 * std::max(1.0, std::fabs(*y));
            const bool max = e.kind == ExtremumKind::Max;
            if (max ? (*left > *y + slack || *right > *y + slack)
                    : (*left < *y - slack || *right < *y - slack))
                return at(max ? "not a maximum" : "not a minimum", x);
        }
    }
    const auto monotone = [&](const Span& s, bool rising) -> std::string {
        const double from = s.from ? s.from->value : (s.to ? s.to->value - 20 : -20);
        const double to = s.to ? s.to->value : from + 20;
        std::optional<double> previous;
        for (int i = 1; i < 64; ++i) {
            const double x = from + (to - from) * i / 64;
            const std::optional<double> y = f(x);
            if (!y)
                return at("monotonic stretch outside the domain", x);
            if (previous && std::isfinite(*y) && std::isfinite(*previous) &&
                (rising ? *y < *previous : *y > *previous) && !close(*y, *previous, 1e-12))
                return at(rising ? "not increasing" : "not decreasing", x);
            previous = y;
        }
        return "";
    };
    for (const Span& s : an.increasing)
        if (const std::string fault = monotone(s, true); !fault.empty())
            return fault;
    for (const Span& s : an.decreasing)
        if (const std::string fault = monotone(s, false); !fault.empty())
            return fault;
    for (const XValue& axis : an.axes) {
        for (double c0 : instances(axis)) {
            for (double d : {0.37, 1.3, 2.9, 7.1}) {
                const std::optional<double> left = f(c0 - d), right = f(c0 + d);
                if (left && right && !close(*left, *right, 1e-7))
                    return at("not an axis", c0);
                if (left.has_value() != right.has_value())
                    return at("the domain is not symmetric about the axis", c0);
            }
        }
    }
    for (const CurvePoint& centre : an.centres) {
        for (double c0 : instances(centre.x)) {
            for (double d : {0.37, 1.3, 2.9}) {
                const std::optional<double> left = f(c0 - d), right = f(c0 + d);
                if (left && right && std::fabs(*left) < 1e6 && std::fabs(*right) < 1e6 &&
                    !close(*left + *right, 2 * centre.y.value, 1e-7))
                    return at("not a centre", c0);
            }
        }
    }
    if (an.yIntercept) {
        const std::optional<double> y = f(0);
        if (!y || !close(*y, an.yIntercept->value, 1e-9))
            return "the value at 0 is not f(0)";
    }
    std::string fault;
    forEachNumber(an, [&](const Real& n) {
        if (!fault.empty() || !n.exact)
            return;
        const std::string text = numberText(n);
        // Term by term: "-1/2 + π/4" is -1/2 and π/4.
        double written = 0;
        for (const std::string& term : signedTerms(text)) {
            const std::optional<ExactReading> read = readExact(term);
            written += read ? read->nearest : numval(term).value_or(NAN);
        }
        if (!close(written, n.value, 1e-12))
            fault = "the text " + text + " is not the value " + numtext(n.value);
    });
    return fault;
}

} // namespace oltrave::testing
