// oltrave classify as scripts run it: the rows, the JSON object, the range
// options and the usage errors.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "programrun.h"

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

Run classify(const QStringList& arguments) {
    return runProgram(kProgram, QStringList{QStringLiteral("classify")} + arguments);
}

QString text(const QJsonValue& number) {
    return number.toObject().value(QStringLiteral("text")).toString();
}

// A function's shape as the contract writes it.
QJsonObject shape(int zeros, const char* parity, const QJsonArray& extrema,
                  const QJsonArray& monotony, int asymptotes) {
    return {{QStringLiteral("function"), true},
            {QStringLiteral("zeros"), zeros},
            {QStringLiteral("parity"), QString::fromLatin1(parity)},
            {QStringLiteral("extrema"), extrema},
            {QStringLiteral("monotony"), monotony},
            {QStringLiteral("asymptotes"), asymptotes}};
}

} // namespace

class ClassifyCliTest : public QObject {
    Q_OBJECT
private slots:
    // x ^ 2 - 2 x + c: D = 4 - 4 c.
    void rowsPerPiece() {
        const Run result = classify({QStringLiteral("quadratic"), QStringLiteral("1"),
                                     QStringLiteral("-2"), QStringLiteral("p")});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        const QString same = QStringLiteral(
            "; neither odd nor even; one minimum; decreasing, then increasing; no asymptotes\n");
        QCOMPARE(result.out, QStringLiteral("p < 1 : two zeros") + same +
                                 QStringLiteral("p = 1 : one zero") + same +
                                 QStringLiteral("p > 1 : no zeros") + same);
        const Run chinese = classify({QStringLiteral("--lang"), QStringLiteral("zh_CN"),
                                      QStringLiteral("quadratic"), QStringLiteral("1"),
                                      QStringLiteral("-2"), QStringLiteral("p")});
        QCOMPARE(chinese.out.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("p < 1 : 两个零点，非奇非偶函数，一个极小值，先减后增，无渐近线"));
        QVERIFY(chinese.out.contains(QStringLiteral("p = 1 : 一个零点，")));
        QVERIFY(chinese.out.contains(QStringLiteral("p > 1 : 无零点，")));
    }

    // a x ^ 2 + 2 x + 1: no parabola at a = 0; D = 4 - 4 a.
    void jsonPieces() {
        const Run result = classify({QStringLiteral("--json"), QStringLiteral("--exact"),
                                     QStringLiteral("quadratic"), QStringLiteral("p"),
                                     QStringLiteral("2"), QStringLiteral("1")});
        QCOMPARE(result.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("parameter")).toString(), QStringLiteral("a"));
        const QJsonArray pieces = o.value(QStringLiteral("pieces")).toArray();
        QCOMPARE(pieces.size(), 5);
        const QJsonObject below = pieces[0].toObject();
        QVERIFY(below.value(QStringLiteral("from")).isNull());
        QCOMPARE(text(below.value(QStringLiteral("to"))), QStringLiteral("0"));
        QCOMPARE(below.value(QStringLiteral("shape")).toObject(),
                 shape(2, "neither", {"max"}, {"inc", "dec"}, 0));
        const QJsonObject none = pieces[1].toObject();
        QCOMPARE(text(none.value(QStringLiteral("at"))), QStringLiteral("0"));
        QCOMPARE(none.value(QStringLiteral("shape")).toObject(),
                 (QJsonObject{{QStringLiteral("function"), false}}));
        QCOMPARE(text(pieces[2].toObject().value(QStringLiteral("from"))), QStringLiteral("0"));
        QCOMPARE(text(pieces[2].toObject().value(QStringLiteral("to"))), QStringLiteral("1"));
        QCOMPARE(pieces[2].toObject().value(QStringLiteral("shape")).toObject(),
                 shape(2, "neither", {"min"}, {"dec", "inc"}, 0));
        QCOMPARE(text(pieces[3].toObject().value(QStringLiteral("at"))), QStringLiteral("1"));
        QCOMPARE(pieces[3].toObject().value(QStringLiteral("shape")).toObject(),
                 shape(1, "neither", {"min"}, {"dec", "inc"}, 0));
        QVERIFY(pieces[4].toObject().value(QStringLiteral("to")).isNull());
        QCOMPARE(pieces[4].toObject().value(QStringLiteral("shape")).toObject(),
                 shape(0, "neither", {"min"}, {"dec", "inc"}, 0));
    }

    // cos(x + φ) over [0, 2]: even at 0, odd exactly at π/2.
    void rangeAndExactBounds() {
        const Run result =
            classify({QStringLiteral("--exact"), QStringLiteral("--from"), QStringLiteral("0"),
                      QStringLiteral("--to=2"), QStringLiteral("cosine"), QStringLiteral("1"),
                      QStringLiteral("1"), QStringLiteral("p"), QStringLiteral("0")});
        QCOMPARE(result.status, 0);
        const QStringList rows = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);
        QVERIFY(rows[0].startsWith(QStringLiteral("p = 0 : one family of zeros; even;")));
        QVERIFY(rows[1].startsWith(QStringLiteral("0 < p < π/2 : one family of zeros; neither")));
        QVERIFY(rows[2].startsWith(QStringLiteral("p = π/2 : one family of zeros; odd;")));
        QVERIFY(rows[3].startsWith(QStringLiteral("π/2 < p ≤ 2 : ")));
    }

    // Texts not read whole warn, or with --strict refuse; p must be there once.
    void readingsAndUsageErrors() {
        const Run partial =
            classify({QStringLiteral("--from"), QStringLiteral("1/3"), QStringLiteral("linear"),
                      QStringLiteral("p"), QStringLiteral("3")});
        QCOMPARE(partial.status, 0);
        QVERIFY(partial.err.contains(QStringLiteral("--from \"1/3\" is read as 1")));
        // k x + 3 for k from 1 on: rising everywhere; k = 0 lies below the range.
        QVERIFY(partial.out.startsWith(QStringLiteral("p ≥ 1 : one zero;")));
        const Run box =
            classify({QStringLiteral("linear"), QStringLiteral("p"), QStringLiteral("1/3")});
        QCOMPARE(box.status, 0);
        QVERIFY(box.err.contains(QStringLiteral("b = \"1/3\" is read as 1")));

        const QList<QStringList> refused{
            {QStringLiteral("--strict"), QStringLiteral("--from"), QStringLiteral("1/3"),
             QStringLiteral("linear"), QStringLiteral("p"), QStringLiteral("3")},
            {QStringLiteral("--strict"), QStringLiteral("linear"), QStringLiteral("p"),
             QStringLiteral("1/3")},
            {QStringLiteral("linear"), QStringLiteral("2"), QStringLiteral("3")},
            {QStringLiteral("linear"), QStringLiteral("p"), QStringLiteral("p")},
            {QStringLiteral("--from"), QStringLiteral("5"), QStringLiteral("--to"),
             QStringLiteral("1"), QStringLiteral("linear"), QStringLiteral("p"),
             QStringLiteral("3")},
        };
        for (const QStringList& arguments : refused) {
            const Run result = classify(arguments);
            QCOMPARE(result.status, 2);
            QVERIFY(result.out.isEmpty());
            QVERIFY(result.err.contains(QStringLiteral("Usage:")));
        }
    }
};

QTEST_GUILESS_MAIN(ClassifyCliTest)
#include "classify_cli_test.moc"
