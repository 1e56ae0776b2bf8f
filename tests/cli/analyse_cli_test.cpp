// oltrave analyse as scripts run it: the rows, the JSON object's keys and
// shapes, and the exit statuses.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "programrun.h"
#include <cmath>

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

Run analyse(const QStringList& arguments) {
    return runProgram(kProgram, QStringList{QStringLiteral("analyse")} + arguments);
}

QJsonObject json(const QStringList& arguments) {
    const Run result = analyse(QStringList{QStringLiteral("--json")} + arguments);
    if (result.status != 0)
        return {};
    return QJsonDocument::fromJson(result.out.toUtf8()).object();
}

QString text(const QJsonValue& number) {
    return number.toObject().value(QStringLiteral("text")).toString();
}
double value(const QJsonValue& number) {
    return number.toObject().value(QStringLiteral("value")).toDouble();
}

} // namespace

class AnalyseCliTest : public QObject {
    Q_OBJECT
private slots:
    void rowsInTheTablesOrder() {
        const Run result =
            analyse({QStringLiteral("--mode"), QStringLiteral("1"), QStringLiteral("linear"),
                     QStringLiteral("2"), QStringLiteral("-4")});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, QStringLiteral("Domain : R\n"
                                            "Range : [ 0 , + ∞ )\n"
                                            "Parity : neither\n"
                                            "Period : none\n"
                                            "Zeros : 2\n"
                                            "y-Intercept : ( 0 , 4 )\n"
                                            "Extrema : min ( 2 , 0 )\n"
                                            "Increasing Intervals : ( 2 , + ∞ )\n"
                                            "Decreasing Intervals : ( - ∞ , 2 )\n"
                                            "Symmetry Axes : x = 2\n"
                                            "Symmetric Centers : none\n"
                                            "Asymptotes : none\n"
                                            "Inflection Points : none\n"));
        const Run chinese =
            analyse({QStringLiteral("--lang"), QStringLiteral("zh_CN"), QStringLiteral("quadratic"),
                     QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1")});
        QVERIFY(chinese.out.startsWith(
            QStringLiteral("定义域 : R\n值域 : [ -1 , + ∞ )\n奇偶性 : 偶函数\n")));
        QVERIFY(chinese.out.endsWith(QStringLiteral("渐近线 : 无\n拐点 : 无\n")));
    }

    // x ^ 3 - 6 x ^ 2 + 11 x - 6 = (x - 1)(x - 2)(x - 3), turning at 2 ∓ √3/3.
    void jsonCarriesTheFunctionAndExactNumbers() {
        const QJsonObject o =
            json({QStringLiteral("--exact"), QStringLiteral("cubic"), QStringLiteral("1"),
                  QStringLiteral("-6"), QStringLiteral("11"), QStringLiteral("-6")});
        QCOMPARE(o.value(QStringLiteral("function")).toString(),
                 QStringLiteral("y = 1 x ^ 3 - 6 x ^ 2 + 11 x - 6"));
        QCOMPARE(o.value(QStringLiteral("family")).toString(), QStringLiteral("cubic"));
        QCOMPARE(o.value(QStringLiteral("mode")).toInt(-1), 0);
        QCOMPARE(o.value(QStringLiteral("exact")).toBool(), true);
        QCOMPARE(o.value(QStringLiteral("coefficients")).toArray(),
                 (QJsonArray{"1", "-6", "11", "-6"}));
        QCOMPARE(o.value(QStringLiteral("parity")).toString(), QStringLiteral("neither"));
        QVERIFY(o.value(QStringLiteral("period")).isNull());
        const QJsonArray zeros = o.value(QStringLiteral("zeros")).toArray();
        QCOMPARE(zeros.size(), 3);
        QCOMPARE(text(zeros[2]), QStringLiteral("3"));
        QCOMPARE(value(zeros[2]), 3.0);
        const QJsonObject max = o.value(QStringLiteral("extrema")).toArray()[0].toObject();
        QCOMPARE(max.value(QStringLiteral("kind")).toString(), QStringLiteral("max"));
        QCOMPARE(text(max.value(QStringLiteral("x"))), QStringLiteral("2 - √3/3"));
        QVERIFY(std::fabs(value(max.value(QStringLiteral("x"))) - (2 - std::sqrt(3.0) / 3)) <
                1e-15);
        QCOMPARE(text(max.value(QStringLiteral("y"))), QStringLiteral("2√3/9"));
        const QJsonObject rising = o.value(QStringLiteral("increasing")).toArray()[0].toObject();
        QVERIFY(rising.value(QStringLiteral("from")).isNull());
        QCOMPARE(rising.value(QStringLiteral("closed")).toArray(), (QJsonArray{false, false}));
        QCOMPARE(o.value(QStringLiteral("range")).toArray()[0].toObject(),
                 (QJsonObject{{"from", QJsonValue::Null},
                              {"to", QJsonValue::Null},
                              {"closed", QJsonArray{false, false}}}));
    }

    // tan x - 1: every x but the poles, each property every π.
    void jsonWritesKFamiliesAndTheTangentsDomain() {
        const QJsonObject o =
            json({QStringLiteral("--exact"), QStringLiteral("tangent"), QStringLiteral("1"),
                  QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1")});
        const QJsonObject domain = o.value(QStringLiteral("domain")).toObject();
        const QJsonObject pole = domain.value(QStringLiteral("except")).toArray()[0].toObject();
        QCOMPARE(text(pole.value(QStringLiteral("base"))), QStringLiteral("π/2"));
        QCOMPARE(text(pole.value(QStringLiteral("step"))), QStringLiteral("π"));
        const QJsonObject zero = o.value(QStringLiteral("zeros")).toArray()[0].toObject();
        QCOMPARE(text(zero.value(QStringLiteral("base"))), QStringLiteral("π/4"));
        const QJsonObject branch = o.value(QStringLiteral("increasing")).toArray()[0].toObject();
        QCOMPARE(text(branch.value(QStringLiteral("from"))), QStringLiteral("-π/2"));
        QCOMPARE(text(branch.value(QStringLiteral("step"))), QStringLiteral("π"));
        const QJsonObject asymptote = o.value(QStringLiteral("asymptotes")).toArray()[0].toObject();
        QVERIFY(asymptote.value(QStringLiteral("x")).isObject());
        QCOMPARE(text(o.value(QStringLiteral("period"))), QStringLiteral("π"));
    }

    // log2 |x| - 1 and 0.5 ^ |x| - 2: the mirrored modes' domains and levels.
    void jsonInTheMirroredMode() {
        const QJsonObject log =
            json({QStringLiteral("--mode"), QStringLiteral("2"), QStringLiteral("logarithmic"),
                  QStringLiteral("2"), QStringLiteral("-1")});
        QCOMPARE(log.value(QStringLiteral("mode")).toInt(-1), 2);
        QCOMPARE(log.value(QStringLiteral("domain")).toArray().size(), 2);
        QVERIFY(log.value(QStringLiteral("y_intercept")).isNull());
        QCOMPARE(log.value(QStringLiteral("parity")).toString(), QStringLiteral("even"));
        const QJsonObject exp =
            json({QStringLiteral("--mode"), QStringLiteral("2"), QStringLiteral("exponential"),
                  QStringLiteral("0.5"), QStringLiteral("-2")});
        const QJsonObject level = exp.value(QStringLiteral("asymptotes")).toArray()[0].toObject();
        QCOMPARE(text(level.value(QStringLiteral("y"))), QStringLiteral("-2"));
        QCOMPARE(level.value(QStringLiteral("side")).toString(), QStringLiteral("both"));
        const QJsonObject range = exp.value(QStringLiteral("range")).toArray()[0].toObject();
        QCOMPARE(range.value(QStringLiteral("closed")).toArray(), (QJsonArray{false, true}));
        // A family without modes is f(x).
        const QJsonObject sine =
            json({QStringLiteral("--mode"), QStringLiteral("2"), QStringLiteral("sine"),
                  QStringLiteral("1"), QStringLiteral("1")});
        QCOMPARE(sine.value(QStringLiteral("mode")).toInt(-1), 0);
    }

    void failuresAsDescribeReportsThem() {
        const Run notAFunction =
            analyse({QStringLiteral("linear"), QStringLiteral("0"), QStringLiteral("1")});
        QCOMPARE(notAFunction.status, 1);
        QCOMPARE(notAFunction.out, QString());
        QCOMPARE(notAFunction.err, QStringLiteral("Not a Function\n"));
        QCOMPARE(analyse({QStringLiteral("--json")}).status, 2);
    }
};

QTEST_GUILESS_MAIN(AnalyseCliTest)
#include "analyse_cli_test.moc"
