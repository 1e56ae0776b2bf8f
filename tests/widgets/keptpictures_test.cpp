#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "platform/keptpictures.h"

using oltrave::KeptPictures;

namespace {

QImage picture(const QSize& size, qreal ratio, QColor colour) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(QPointF(1.5, 0.5), QSizeF(size) * 0.6));
    image.setDevicePixelRatio(ratio);
    return image;
}

using Damage = std::function<void(QByteArray&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

// Pictures kept by one run come back to the next as they were; a store that
// is not wholly as written gives nothing back.
class KeptPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void aLaterRunFindsWhatTheRunsBeforeAskedFor() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("cache/pictures"));
        const QImage wide = picture(QSize(98, 26), 1, QColor(0x2e, 0x2a, 0x6e, 200));
        const QImage sharp = picture(QSize(196, 52), 2, Qt::red);
        const QImage other = picture(QSize(10, 3), 1.25, Qt::blue);
        {
            KeptPictures first(file);
            QVERIFY(first.find("wide").isNull());
            first.keep("wide", wide);
            first.keep("sharp", sharp);
            QVERIFY(first.write()); // the folder is made
        }
        {
            KeptPictures second(file);
            const QImage found = second.find("wide");
            QCOMPARE(found, wide);
            QCOMPARE(found.devicePixelRatio(), 1.0);
            second.keep("other", other);
            QVERIFY(second.write());
        }
        // What the second run did not ask for is gone; the rest is as kept.
        KeptPictures third(file);
        QCOMPARE(third.find("wide"), wide);
        const QImage found = third.find("other");
        QCOMPARE(found, other);
        QCOMPARE(found.devicePixelRatio(), 1.25);
        QVERIFY(third.find("sharp").isNull());
    }

    void aDamagedStoreGivesNothing_data() {
        QTest::addColumn<Damage>("damage");
        const auto byteAt = [](qsizetype at, char value) {
            return Damage([at, value](QByteArray& bytes) { bytes[at] = value; });
        };
        QTest::newRow("as written") << Damage([](QByteArray&) {});
        QTest::newRow("empty") << Damage([](QByteArray& bytes) { bytes.clear(); });
        QTest::newRow("one byte short") << Damage([](QByteArray& bytes) { bytes.chop(1); });
        QTest::newRow("one byte more") << Damage([](QByteArray& bytes) { bytes.append('\0'); });
        QTest::newRow("another format") << byteAt(0, 'X');
        QTest::newRow("another version") << byteAt(7, 2);
        QTest::newRow("thousands of pictures") << byteAt(10, 1);
        // The width's high byte: the pixels no longer match the size.
        QTest::newRow("width not the pixels'") << byteAt(12 + 4 + 4 + 2, 1);
        QTest::newRow("no such file") << Damage([](QByteArray&) {});
    }
    void aDamagedStoreGivesNothing() {
        QFETCH(Damage, damage);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("pictures"));
        const QImage kept = picture(QSize(20, 8), 1, Qt::darkGreen);
        KeptPictures writer(file);
        writer.keep("key1", kept);
        QVERIFY(writer.write());
        QFile store(file);
        QVERIFY(store.open(QIODevice::ReadOnly));
        QByteArray bytes = store.readAll();
        store.close();
        // Four bytes of length, then the key.
        QCOMPARE(bytes.mid(16, 4), QByteArray("key1"));
        damage(bytes);
        const bool intact = QTest::currentDataTag() == QLatin1String("as written");
        if (QTest::currentDataTag() == QLatin1String("no such file")) {
            QVERIFY(QFile::remove(file));
        } else {
            QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
            store.write(bytes);
            store.close();
        }
        KeptPictures reader(file);
        const QImage found = reader.find("key1");
        QCOMPARE(found.isNull(), !intact);
        if (intact)
            QCOMPARE(found, kept);
    }

    void aStoreThatCannotBeWrittenIsOnlySlower() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        KeptPictures store(dir.filePath(QStringLiteral("file/pictures")));
        store.keep("key", picture(QSize(4, 4), 1, Qt::black));
        QVERIFY(!store.write());
        QVERIFY(!store.find("key").isNull()); // still kept for this run
    }
};

QTEST_MAIN(KeptPicturesTest)
#include "keptpictures_test.moc"
