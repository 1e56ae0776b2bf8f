// oltrave intersect as scripts run it, and the grid render --grid draws.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "programrun.h"
#include <cmath>

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

Run oltrave(const QStringList& arguments) {
    return runProgram(kProgram, arguments);
}

QStringList words(const char* line) {
    return QString::fromUtf8(line).split(QLatin1Char(' '));
}

} // namespace

class IntersectCliTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAscendingAndExact() {
        // x ^ 2 - 2x - 3 = x + 1 at -1 and 4
        Run run = oltrave(words("intersect quadratic 1 -2 -3 and linear 1 1"));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("( -1 , 0 )\n( 4 , 5 )\n"));
        // x ^ 2 = 2 at ±√2
        run = oltrave(words("intersect --exact quadratic 1 0 0 and quadratic 2 0 -2"));
        QCOMPARE(run.out, QStringLiteral("( -√2 , 2 )\n( √2 , 2 )\n"));
        run = oltrave(words("intersect quadratic 1 0 0 and quadratic 2 0 -2"));
        QCOMPARE(run.out, QStringLiteral("( -1.4142135623731 , 2 )\n( 1.4142135623731 , 2 )\n"));
        // |x - 1| and -x / 2 + 2: x - 1 = 2 - x/2 at 2, 1 - x = 2 - x/2 at -2
        run = oltrave(words("intersect --modes 1,0 linear 1 -1 and linear -0.5 2"));
        QCOMPARE(run.out, QStringLiteral("( -2 , 3 )\n( 2 , 1 )\n"));
        // Only within the zoom: 4 is beyond ±3
        run = oltrave(words("intersect --zoom 3 quadratic 1 -2 -3 and linear 1 1"));
        QCOMPARE(run.out, QStringLiteral("( -1 , 0 )\n"));
    }

    void jsonWithOverlapsAndTheSameCurve() {
        Run run = oltrave(words("intersect --json --exact --modes 2,0 linear 1 0 and linear 1 0"));
        QCOMPARE(run.status, 0);
        QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("same_curve")).toBool(), false);
        QCOMPARE(o.value(QStringLiteral("points")).toArray().size(), 0);
        const QJsonArray overlaps = o.value(QStringLiteral("overlaps")).toArray();
        QCOMPARE(overlaps.size(), 1);
        const QJsonObject stretch = overlaps.at(0).toObject();
        QCOMPARE(stretch.value(QStringLiteral("from"))
                     .toObject()
                     .value(QStringLiteral("text"))
                     .toString(),
                 QStringLiteral("0"));
        QCOMPARE(stretch.value(QStringLiteral("to"))
                     .toObject()
                     .value(QStringLiteral("value"))
                     .toDouble(),
                 10.0);

        run = oltrave(words("intersect --json linear 2 1 and linear 2 1"));
        o = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("same_curve")).toBool(), true);
        QVERIFY(o.value(QStringLiteral("points")).toArray().isEmpty());

        run = oltrave(words("intersect --json --exact linear 1 1 and quadratic 1 0 0"));
        const QJsonArray points = QJsonDocument::fromJson(run.out.toUtf8())
                                      .object()
                                      .value(QStringLiteral("points"))
                                      .toArray();
        QCOMPARE(points.size(), 2);
        const QJsonObject x = points.at(1).toObject().value(QStringLiteral("x")).toObject();
        QCOMPARE(x.value(QStringLiteral("text")).toString(), QStringLiteral("1/2 + √5/2"));
        QCOMPARE(x.value(QStringLiteral("value")).toDouble(), (1 + std::sqrt(5.0)) / 2);
    }

    void failuresAndUsage() {
        // a = 0 is no parabola
        Run run = oltrave(words("intersect linear 1 1 and quadratic 0 1 1"));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Not a Function\n"));
        QVERIFY(run.out.isEmpty());
        run = oltrave(words("intersect linear 1 1 quadratic 1 1 1"));
        QCOMPARE(run.status, 2);
        run = oltrave(words("intersect --modes 1 linear 1 1 and linear 2 2"));
        QCOMPARE(run.status, 2);
        run = oltrave(words("intersect linear 1 1 and wave 1"));
        QCOMPARE(run.status, 2);
    }

    void svgGridHasItsLabels() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("grid.svg"));
        const Run run = oltrave({QStringLiteral("render"), QStringLiteral("--grid"),
                                 QStringLiteral("-o"), file, QStringLiteral("quadratic"),
                                 QStringLiteral("1"), QStringLiteral("-2"), QStringLiteral("-3")});
        QCOMPARE(run.status, 0);
        QFile svg(file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        QStringList labels;
        static const QRegularExpression label(QStringLiteral("<text [^>]*>([^<]*)</text>"));
        for (const QRegularExpressionMatch& m : label.globalMatch(text))
            labels << m.captured(1);
        // 426 x 359 pixels for ±10: 21.3 pixels a unit across, so steps of 2;
        // 17.95 up, so steps of 5 (2 would be under 40 pixels); ±10 sit on the
        // edges, where their labels would be cut; the origin is labelled once,
        // under the x axis
        QCOMPARE(labels, QStringList({"-8", "-6", "-4", "-2", "0", "2", "4", "6", "8", "-5", "5"}));
        // Without --grid the picture stays as it was: no text at all.
        const Run plain = oltrave({QStringLiteral("render"), QStringLiteral("-o"), file,
                                   QStringLiteral("quadratic"), QStringLiteral("1")});
        QCOMPARE(plain.status, 0);
        QFile again(file);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(!QString::fromUtf8(again.readAll()).contains(QStringLiteral("<text")));
    }
};

QTEST_GUILESS_MAIN(IntersectCliTest)
#include "intersect_cli_test.moc"
