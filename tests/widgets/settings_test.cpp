// The store of the person's choices: kept when it can be, and when it cannot,
// a reason, with the store left byte for byte as it was.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void unwritableOrUnreadableStoresAreLeftAlone_data() {
        QTest::addColumn<QString>("store"); // what the store's file holds, or "folder"
        QTest::addColumn<QString>("reason"); // the end of the reason; empty when kept
        QTest::newRow("kept") << "[view]\nexactValues=true\n" << "";
        QTest::newRow("new") << "" << "";
        QTest::newRow("a folder in its place") << "folder" << "cannot be written";
        QTest::newRow("an unreadable value")
            << "[view]\nexactValues=@Variant(\\0\\0\\0\\x7f\\0\\0)\n"
            << "holds a value that cannot be read (view/exactValues); it is left as it is";
    }
    void unwritableOrUnreadableStoresAreLeftAlone() {
        QFETCH(QString, store);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        const QString file = oltrave::programSettings().fileName();
        QVERIFY(file.startsWith(dir.path()));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        if (store == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(file));
        } else if (!store.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(store.toUtf8());
        }
        const QByteArray before = contents(file);

        const QString said = oltrave::rememberSetting(QStringLiteral("view/keyPoints"), true);
        if (reason.isEmpty()) {
            QCOMPARE(said, QString());
            QCOMPARE(oltrave::programSettings().value(QStringLiteral("view/keyPoints")).toBool(),
                     true);
            if (!store.isEmpty())
                QVERIFY(contents(file).startsWith(before.left(before.indexOf('\n'))));
        } else {
            QVERIFY2(said.startsWith(QDir::toNativeSeparators(file) + ' '), qPrintable(said));
            QVERIFY2(said.endsWith(reason), qPrintable(said));
            QCOMPARE(contents(file), before);
            QVERIFY(!contents(file).contains("@Invalid"));
        }
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
