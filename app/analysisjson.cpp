#include "analysisjson.h"

#include <QJsonArray>
#include <QJsonObject>

#include "analysis/rows.h"

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

} // namespace oltrave::cli
