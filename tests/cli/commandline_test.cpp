// How the command line is read: which arguments are coefficients, which are
// options, and which uses are refused.
#include <QTest>

#include "app/commandline.h"
#include "platform/graphemes.h"

using oltrave::cli::Invocation;
using oltrave::cli::parseCommandLine;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void negativeNumbersAreCoefficients_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("coefficients");
        QTest::newRow("digit") << QStringList{"describe", "linear", "2", "-4"}
                               << QStringList{"2", "-4"};
        QTest::newRow("point") << QStringList{"describe", "linear", "-.5", "1"}
                               << QStringList{"-.5", "1"};
        QTest::newRow("pi sign") << QStringList{"describe", "sine", "-π", "1", "-√2", "-pi"}
                                 << QStringList{"-π", "1", "-√2", "-pi"};
        QTest::newRow("options around them")
            << QStringList{"describe", "--at", "-3", "quadratic", "-1", "--zoom", "-5", "-2"}
            << QStringList{"-1", "-2"};
        QTest::newRow("after --") << QStringList{"describe", "linear", "--", "-x", "--mode"}
                                  << QStringList{"-x", "--mode"};
    }
    void negativeNumbersAreCoefficients() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, coefficients);
        const auto parsed = parseCommandLine(arguments);
        QVERIFY2(parsed.invocation, qPrintable(parsed.error));
        QCOMPARE(parsed.invocation->plot.coefficients, coefficients);
    }

    void optionsReachTheRequest() {
        const auto parsed = parseCommandLine(
            {"render", "-o", "-plot.PNG", "--size", "300x200", "3", "1", "--mode=2", "--at", "-1",
             "--at", "π", "--zoom", "-5", "--exact", "--keypoints", "--lang", "zh_CN", "2"});
        QVERIFY2(parsed.invocation, qPrintable(parsed.error));
        const Invocation& in = *parsed.invocation;
        QCOMPARE(in.kind, Invocation::Kind::Command);
        QCOMPARE(in.command, QStringLiteral("render"));
        QCOMPARE(in.output, QStringLiteral("-plot.PNG"));
        QCOMPARE(in.size, QSize(300, 200));
        QCOMPARE(in.plot.family, 3);
        QCOMPARE(in.plot.coefficients, (QStringList{"1", "2"}));
        QCOMPARE(in.plot.mode, oltrave::AbsMode::OfArgument);
        QCOMPARE(in.plot.at, (QStringList{"-1", "π"}));
        QCOMPARE(in.plot.zoom, QStringLiteral("-5"));
        QVERIFY(in.plot.exact);
        QVERIFY(in.keypoints);
        QCOMPARE(in.lang, QStringLiteral("zh_CN"));
    }

    void familiesByNumberAndName() {
        const QStringList names{"linear", "quadratic", "cubic",       "sine",
                                "cosine", "tangent",   "exponential", "logarithmic"};
        for (int family = 0; family < names.size(); ++family) {
            for (const QString& word : {QString::number(family), names[family]}) {
                const auto parsed = parseCommandLine({"describe", word, "1"});
                QVERIFY2(parsed.invocation, qPrintable(word));
                QCOMPARE(parsed.invocation->plot.family, family);
            }
        }
    }

    void windowModeAndProgramOptions() {
        QCOMPARE(parseCommandLine({}).invocation->kind, Invocation::Kind::Window);
        QCOMPARE(parseCommandLine({"--lang", "en"}).invocation->lang, QStringLiteral("en"));
        QCOMPARE(parseCommandLine({"--help"}).invocation->kind, Invocation::Kind::Help);
        QCOMPARE(parseCommandLine({"-h"}).invocation->kind, Invocation::Kind::Help);
        QCOMPARE(parseCommandLine({"--version"}).invocation->kind, Invocation::Kind::Version);
        QCOMPARE(parseCommandLine({"render", "--help"}).invocation->kind, Invocation::Kind::Help);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("window: unknown option") << QStringList{"--bogus"} << "unknown option";
        QTest::newRow("window: argument") << QStringList{"--lang", "en", "x"} << "unknown command";
        QTest::newRow("window: Qt's own option")
            << QStringList{"-platform", "xcb"} << "unknown option";
        QTest::newRow("unknown command") << QStringList{"plot", "linear", "1"} << "unknown command";
        QTest::newRow("unknown family")
            << QStringList{"describe", "hyperbolic", "1"} << "unknown family";
        QTest::newRow("family 8") << QStringList{"describe", "8", "1"} << "unknown family";
        QTest::newRow("no family") << QStringList{"describe"} << "missing FAMILY";
        QTest::newRow("no coefficient") << QStringList{"describe", "sine"} << "missing C0";
        QTest::newRow("hidden box")
            << QStringList{"describe", "linear", "1", "2", "3"} << "at most 2";
        QTest::newRow("five boxes")
            << QStringList{"describe", "cubic", "1", "2", "3", "4", "5"} << "at most 4";
        QTest::newRow("unknown option")
            << QStringList{"describe", "linear", "1", "--fast"} << "unknown option";
        QTest::newRow("dash word") << QStringList{"describe", "linear", "-x"} << "unknown option";
        QTest::newRow("render option in describe")
            << QStringList{"describe", "-o", "a.png", "linear", "1"} << "unknown option";
        QTest::newRow("mode 3") << QStringList{"describe", "--mode", "3", "linear", "1"}
                                << "--mode";
        QTest::newRow("mode word")
            << QStringList{"describe", "--mode", "one", "linear", "1"} << "--mode";
        QTest::newRow("missing value")
            << QStringList{"describe", "linear", "1", "--at"} << "missing value";
        QTest::newRow("language") << QStringList{"describe", "--lang", "fr", "linear", "1"}
                                  << "--lang takes en or zh_CN";
        QTest::newRow("no output") << QStringList{"render", "linear", "1"} << "missing -o";
        QTest::newRow("suffix") << QStringList{"render", "-o", "a.jpg", "linear", "1"}
                                << "cannot tell the format";
        QTest::newRow("no suffix")
            << QStringList{"render", "-o", "plot", "linear", "1"} << "cannot tell the format";
        QTest::newRow("size zero")
            << QStringList{"render", "-o", "a.png", "--size", "0x10", "linear", "1"} << "--size";
        QTest::newRow("size huge")
            << QStringList{"render", "-o", "a.png", "--size", "100000x10", "linear", "1"}
            << "--size";
        QTest::newRow("size text")
            << QStringList{"render", "-o", "a.png", "--size", "big", "linear", "1"} << "--size";
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const auto parsed = parseCommandLine(arguments);
        QVERIFY(!parsed.invocation);
        QVERIFY2(parsed.error.contains(reason), qPrintable(parsed.error));
        QVERIFY(!parsed.error.contains(QLatin1Char('\n')));
    }

    // As a box keeps a typed text: whole characters, however they are encoded.
    void boxTextsAreCutAtWholeCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        QTest::newRow("short") << "12" << 7 << "12";
        QTest::newRow("exact") << "1234567" << 7 << "1234567";
        QTest::newRow("long") << "123456789" << 7 << "1234567";
        QTest::newRow("symbols") << "-2π√3πππ" << 5 << "-2π√3";
        QTest::newRow("emoji") << "1234😀56" << 5 << "1234😀";
        QTest::newRow("combining") << "12e\xcc\x81"
                                      "34"
                                   << 3 << "12e\xcc\x81";
        QTest::newRow("empty") << "" << 5 << "";
    }
    void boxTextsAreCutAtWholeCharacters() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, kept);
        QCOMPARE(oltrave::firstGraphemes(text, limit), kept);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "commandline_test.moc"
