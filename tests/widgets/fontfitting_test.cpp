// Captions squeezed into their room: the largest quarter-point size at which
// every text fits, whether found afresh or kept from an earlier start.
#include <QFontMetricsF>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings.h"
#include "ui/fontfitting.h"

namespace {

qreal widest(QFont font, qreal points, const QStringList& texts) {
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font);
    qreal most = 0;
    for (const QString& text : texts)
        most = std::max(most, metrics.horizontalAdvance(text));
    return most;
}

} // namespace

class FontFittingTest : public QObject {
    Q_OBJECT

private slots:
    void largestSizeThatFits_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("kept"); // a size left by an earlier start, or none
        const QStringList modes{"f(x)", "|f(x)|", "f(|x|)"};
        const QStringList families{"Linear Function", "Exponential Function"};
        QTest::newRow("fits as it is") << modes << 400 << "";
        QTest::newRow("squeezed") << modes << 30 << "";
        QTest::newRow("long entries") << families << 90 << "";
        QTest::newRow("kept size too large") << modes << 30 << "10.5";
        QTest::newRow("kept size not a number") << families << 90 << "wide";
        // As after an update of the face: the same size no longer measures the same.
        QTest::newRow("kept size of another face") << modes << 30 << "10.5 1 20 0";
        QTest::newRow("kept text out of range") << modes << 30 << "10.5 3 20 0";
    }
    void largestSizeThatFits() {
        QFETCH(QStringList, texts);
        QFETCH(int, room);
        QFETCH(QString, kept);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        const QFont start = oltrave::semibold(QStringLiteral("Open Sans"), 10.5);
        // The first start finds the size; a later one is given what was kept,
        // or, planted, something no longer right.
        const QFont fresh = oltrave::fitting(start, texts, room);
        if (!kept.isEmpty()) {
            QSettings settings = oltrave::programSettings();
            for (const QString& key : settings.allKeys())
                settings.setValue(key, kept);
        }
        const QFont later = oltrave::fitting(start, texts, room);
        for (const QFont& font : {fresh, later}) {
            const qreal points = font.pointSizeF();
            QVERIFY(points <= start.pointSizeF());
            QVERIFY2(widest(start, points, texts) <= room || points <= 6,
                     qPrintable(QString::number(points)));
            if (points < start.pointSizeF())
                QVERIFY(widest(start, points + 0.25, texts) > room);
        }
        QCOMPARE(later.pointSizeF(), fresh.pointSizeF());
    }
};

QTEST_MAIN(FontFittingTest)
#include "fontfitting_test.moc"
