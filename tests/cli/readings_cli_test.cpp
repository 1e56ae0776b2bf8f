// What the command line says about the boxes' readings, its option spellings,
// its words under --lang and its report of a failed standard output.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "app/commandline.h"

using oltrave::cli::Invocation;
using oltrave::cli::parseCommandLine;

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);
const QString kLines = QStringLiteral("y = 1 x + 1\n    [ x = 0 ] y = 1\n    [ y = 0 ] x = -1\n"
                                      "    Range : R\n");

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList& arguments, const QString& outputFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(kProgram, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class ReadingsCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Standard output holds what it held before; standard error says how
    // each text that was not read whole was read.
    void warningsLeaveTheLinesAlone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("whole") << QStringList{"describe", "linear", "1", "1"} << kLines << "";
        QTest::newRow("exponent") << QStringList{"describe", "linear", "1e0", "+1"} << kLines << "";
        QTest::newRow("fraction") << QStringList{"describe", "linear", "1/3", "1"} << kLines
                                  << "oltrave: k = \"1/3\" is read as 1\n";
        QTest::newRow("pi") << QStringList{"describe", "linear", "1", "1pi"} << kLines
                            << "oltrave: b = \"1pi\" is read as 1\n";
        QTest::newRow("exact refused")
            << QStringList{"describe", "--exact", "linear", "1/0", "1"} << kLines
            << "oltrave: k = \"1/0\" is read as 1 (division by zero)\n";
        QTest::newRow("exact whole")
            << QStringList{"describe", "--exact", "linear", "sqrt(1)", "2-1"} << kLines << "";
        QTest::newRow("at and zoom")
            << QStringList{"describe", "--zoom", "10x", "--at", "1/2", "linear", "1", "1"}
            << kLines + "    [ x = 1 ] y = 2\n"
            << "oltrave: --zoom \"10x\" is read as 10\noltrave: --at \"1/2\" is read as 1\n";
        QTest::newRow("overflow") << QStringList{"describe", "linear", "1", "1", "--at", "1e999"}
                                  << kLines + "    [ x = 0 ] y = 1\n"
                                  << "oltrave: --at \"1e999\" is too large: it is read as 0\n";
        QTest::newRow("mode without modes")
            << QStringList{"describe", "--mode", "1", "sine", "1", "1", "0", "0"} << QString()
            << "oltrave: --mode is ignored: sine has no absolute-value modes\n";
    }
    void warningsLeaveTheLinesAlone() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(arguments);
        QCOMPARE(result.status, 0);
        if (!out.isNull())
            QCOMPARE(result.out, out);
        QCOMPARE(result.err, err);
    }

    void strictRefusesWhatIsNotReadWhole() {
        const Run refused = run({"describe", "--strict", "linear", "1/3", "1"});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QVERIFY2(refused.err.startsWith("oltrave: k = \"1/3\" is read as 1\n\nUsage:\n"),
                 qPrintable(refused.err));
        const Run whole = run({"describe", "--strict", "linear", "1", "1"});
        QCOMPARE(whole.status, 0);
        QCOMPARE(whole.out, kLines);
        const QString file = dir_.filePath(QStringLiteral("strict.svg"));
        const Run render = run({"render", "--strict", "-o", file, "linear", "1", "1", "--at", "x"});
        QCOMPARE(render.status, 2);
        QVERIFY(!QFile::exists(file)); // nothing written
    }

    void optionValuesMayBeAttached() {
        for (const QStringList& arguments :
             {QStringList{"render", "-oplot.svg", "linear", "1"},
              QStringList{"render", "--output=plot.svg", "linear", "1"},
              QStringList{"render", "-o", "plot.svg", "linear", "1"}}) {
            const auto parsed = parseCommandLine(arguments);
            QVERIFY2(parsed.invocation, qPrintable(parsed.error));
            QCOMPARE(parsed.invocation->output, QStringLiteral("plot.svg"));
        }
        const auto zoom =
            parseCommandLine({"describe", "--zoom=-5", "--lang=zh_CN", "linear", "1"});
        QVERIFY2(zoom.invocation, qPrintable(zoom.error));
        QCOMPARE(zoom.invocation->plot.zoom, QStringLiteral("-5"));
        QCOMPARE(zoom.invocation->lang, QStringLiteral("zh_CN"));
        // A negative coefficient is still one, and describe still has no -o.
        QCOMPARE(parseCommandLine({"describe", "linear", "-4"}).invocation->plot.coefficients,
                 QStringList{"-4"});
        QVERIFY(!parseCommandLine({"describe", "-ox.svg", "linear", "1"}).invocation);
        QVERIFY(parseCommandLine({"describe", "--strict", "linear", "1"}).invocation->strict);
        QVERIFY(!parseCommandLine({"describe", "linear", "1"}).invocation->strict);

        const QString file = dir_.filePath(QStringLiteral("attached.svg"));
        QCOMPARE(run({"render", "--output=" + file, "linear", "1"}).status, 0);
        QVERIFY(QFile::exists(file));
    }

    void helpAndUsageErrorsSpeakTheAskedLanguage() {
        const Run help = run({"--lang", "zh_CN", "--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("用法：\n")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("显示此帮助。")));
        const Run error = run({"describe", "circle", "1", "--lang=zh_CN"});
        QCOMPARE(error.status, 2);
        QVERIFY2(error.err.startsWith(QStringLiteral("oltrave: 未知的函数族 “circle”\n\n用法：")),
                 qPrintable(error.err));
        const Run warning = run({"describe", "--lang", "zh_CN", "linear", "1/3", "1"});
        QCOMPARE(warning.err, QStringLiteral("oltrave: k = \"1/3\" 被读作 1\n"));
        QVERIFY(run({"--help"}).out.startsWith(QStringLiteral("Usage:\n")));
    }

    // A device that is always full, made here rather than borrowed from /dev.
    void aFullStandardOutputExitsThree() {
        const QString device = dir_.filePath(QStringLiteral("full"));
        if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QSKIP("making a device node needs root");
        for (const QStringList& arguments :
             {QStringList{"describe", "linear", "1", "1"}, QStringList{"--help"}}) {
            const Run full = run(arguments, device);
            QCOMPARE(full.status, 3);
            QVERIFY2(full.err.startsWith(
                         QStringLiteral("oltrave: cannot write standard output: No space left")),
                     qPrintable(full.err));
        }
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ReadingsCliTest)
#include "readings_cli_test.moc"
