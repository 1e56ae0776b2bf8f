#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "platform/translation.h"

using oltrave::Language;

// Which language a run speaks: the command line, else the remembered choice, else
// the environment.
class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // never the person's settings
        QSettings(QStringLiteral("Oltrave"), QStringLiteral("Oltrave")).clear();
        qunsetenv("LANGUAGE");
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
    }

    void precedence() {
        qputenv("LANG", "zh_CN.UTF-8");
        QCOMPARE(oltrave::rememberedLanguage(), std::nullopt);
        QCOMPARE(oltrave::startupLanguage(std::nullopt), Language::Chinese);
        QCOMPARE(oltrave::startupLanguage(Language::English), Language::English);

        oltrave::rememberLanguage(Language::English);
        QCOMPARE(oltrave::rememberedLanguage(), Language::English);
        QCOMPARE(oltrave::startupLanguage(std::nullopt), Language::English);
        QCOMPARE(oltrave::startupLanguage(Language::Chinese), Language::Chinese);

        oltrave::rememberLanguage(Language::Chinese);
        qputenv("LANG", "en_US.UTF-8");
        QCOMPARE(oltrave::startupLanguage(std::nullopt), Language::Chinese);
    }

    void commandLineWords() {
        QCOMPARE(oltrave::languageFromArgument(QStringLiteral("en")), Language::English);
        QCOMPARE(oltrave::languageFromArgument(QStringLiteral("zh_CN")), Language::Chinese);
        QCOMPARE(oltrave::languageFromArgument(QStringLiteral("fr")), std::nullopt);
    }

    void cleanupTestCase() {
        QSettings(QStringLiteral("Oltrave"), QStringLiteral("Oltrave")).clear();
    }
};

QTEST_GUILESS_MAIN(TranslationTest)
#include "translation_test.moc"
