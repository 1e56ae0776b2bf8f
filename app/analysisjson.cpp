#include "analysisjson.h"

#include <QJsonArray>
#include <QString>
#include <string>

#include "analysis/rows.h"
#include "model/form.h"

namespace oltrave::cli {

QJsonValue number(const Real& n) {
    return QJsonObject{{QStringLiteral("text"), QString::fromStdString(numberText(n))},
                       {QStringLiteral("value"), nearestDouble(n)}};
}

QJsonValue bound(const std::optional<Real>& n) {
    return n ? number(*n) : QJsonValue(QJsonValue::Null);
}

QJsonValue xValue(const XValue& x) {
    if (!x.step)
        return number(x.base);
    return QJsonObject{{QStringLiteral("base"), number(x.base)},
                       {QStringLiteral("step"), number(*x.step)}};
}

QJsonValue interval(const Span& s) {
    QJsonObject object{{QStringLiteral("from"), bound(s.from)},
                       {QStringLiteral("to"), bound(s.to)},
                       {QStringLiteral("closed"), QJsonArray{s.closedFrom, s.closedTo}}};
    if (s.step)
        object.insert(QStringLiteral("step"), number(*s.step));
    return object;
}

namespace {

// The first line the plot wrote: the formula.
std::string formulaLine(const Session& session) {
    return session.lines().empty() ? std::string() : session.lines().front().text;
}

QJsonValue point(const CurvePoint& p) {
    return QJsonObject{{QStringLiteral("x"), xValue(p.x)}, {QStringLiteral("y"), number(p.y)}};
}

template <typename Item, typename Write>
QJsonArray list(const std::vector<Item>& items, Write write) {
    QJsonArray array;
    for (const Item& item : items)
        array.append(write(item));
    return array;
}

QString parityName(Parity parity) {
    switch (parity) {
    case Parity::Odd: return QStringLiteral("odd");
    case Parity::Even: return QStringLiteral("even");
    case Parity::Neither: break;
    }
    return QStringLiteral("neither");
}

QString sideName(Side side) {
    switch (side) {
    case Side::MinusInfinity: return QStringLiteral("-inf");
    case Side::PlusInfinity: return QStringLiteral("+inf");
    case Side::Both: break;
    }
    return QStringLiteral("both");
}

QJsonObject analysisObject(const Analysis& an) {
    QJsonObject o;
    if (!an.domainExcept.empty())
        o.insert(QStringLiteral("domain"),
                 QJsonObject{{QStringLiteral("except"), list(an.domainExcept, xValue)}});
    else
        o.insert(QStringLiteral("domain"), list(an.domain, interval));
    o.insert(QStringLiteral("range"), list(an.range, interval));
    o.insert(QStringLiteral("parity"), parityName(an.parity));
    o.insert(QStringLiteral("period"), bound(an.period));
    o.insert(QStringLiteral("zeros"), list(an.zeros, xValue));
    o.insert(QStringLiteral("y_intercept"), bound(an.yIntercept));
    o.insert(QStringLiteral("extrema"), list(an.extrema, [](const Extremum& e) {
                 return QJsonObject{{QStringLiteral("kind"), e.kind == ExtremumKind::Max
                                                                 ? QStringLiteral("max")
                                                                 : QStringLiteral("min")},
                                    {QStringLiteral("x"), xValue(e.x)},
                                    {QStringLiteral("y"), number(e.y)}};
             }));
    o.insert(QStringLiteral("increasing"), list(an.increasing, interval));
    o.insert(QStringLiteral("decreasing"), list(an.decreasing, interval));
    o.insert(QStringLiteral("axes"), list(an.axes, xValue));
    o.insert(QStringLiteral("centres"), list(an.centres, point));
    o.insert(QStringLiteral("asymptotes"), list(an.asymptotes, [](const Asymptote& a) {
                 if (a.vertical)
                     return QJsonObject{{QStringLiteral("x"), xValue(*a.vertical)}};
                 return QJsonObject{{QStringLiteral("y"), number(a.level)},
                                    {QStringLiteral("side"), sideName(a.side)}};
             }));
    o.insert(QStringLiteral("inflections"), list(an.inflections, point));
    return o;
}

} // namespace

QJsonObject plottedAnalysisJson(const Form& form, const Analysis& analysis) {
    const FamilyDescription& family = *familyDescription(form.family());
    QJsonObject object = analysisObject(analysis);
    object.insert(QStringLiteral("function"), QString::fromStdString(formulaLine(form.session())));
    object.insert(
        QStringLiteral("family"),
        QString::fromUtf8(family.name.data(), static_cast<qsizetype>(family.name.size())));
    object.insert(QStringLiteral("mode"), family.hasModes ? modeIndex(form.absmode()) : 0);
    QJsonArray boxes;
    for (int box = 0; box < kBoxCount; ++box) {
        if (form.boxVisible(box))
            boxes.append(QString::fromStdString(form.boxText(box)));
    }
    object.insert(QStringLiteral("coefficients"), boxes);
    object.insert(QStringLiteral("exact"), form.exactValues());
    return object;
}

} // namespace oltrave::cli
