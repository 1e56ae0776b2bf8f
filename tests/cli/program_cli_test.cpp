// The program as scripts run it: exit statuses and messages, describe against
// the real window driven by the scenario driver, and the files render writes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <functional>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

#include "sound/curvesound.h"
#include "sound/wav.h"

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);
const QString kDriver = QStringLiteral(OLTRAVE_DRIVER);
const QString kNoDisplay =
    QStringLiteral("cannot open a display; `oltrave describe` works without one\n");

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs a program with the test's environment, minus the names in unset and
// with the pairs in set.
Run run(const QString& program, const QStringList& arguments, const QStringList& unset = {},
        const QStringList& set = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // English words, whatever the machine's locale.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    for (const QString& name : unset)
        environment.remove(name);
    for (qsizetype i = 0; i + 1 < set.size(); i += 2)
        environment.insert(set[i], set[i + 1]);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

Run runProgram(const QStringList& arguments) {
    return run(kProgram, arguments);
}

// What the list holds, per the state block the driver prints at the end.
struct WindowResult {
    QString label;
    QStringList lines;
};

std::optional<WindowResult> driveWindow(const QString& scenario) {
    QProcess process;
    process.start(kDriver, {QStringLiteral("-")});
    process.write(scenario.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    WindowResult result;
    const QStringList block = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& line : block) {
        if (line.startsWith(QStringLiteral("label: ")))
            result.label = line.mid(7);
        else if (line.startsWith(QStringLiteral("«")) && line.endsWith(QStringLiteral("»")))
            result.lines << line.mid(1, line.size() - 2);
    }
    return result;
}

// A random use of the window: some texts read as numbers, some do not, some
// are longer than their box.
struct Case {
    int family = 0;
    QStringList boxes;
    int mode = 0;
    QString zoom;
    QStringList at;
    bool exact = false;
};

const QStringList kNames{"linear", "quadratic", "cubic",       "sine",
                         "cosine", "tangent",   "exponential", "logarithmic"};
const QList<int> kShownBoxes{2, 3, 4, 4, 4, 4, 2, 2};
const QStringList kCoefficients{"1",   "2",     "-4", "0",        "0.5",   "-.5", "3",
                                "π",   "-π",    "2π", "√2",       "-√3",   "pi",  "1e3",
                                "abc", "",      " 3", "12345678", "-1.25", "10",  "0.0001",
                                "1/2", "2e-3x", "-0", "7"};
const QStringList kZooms{"10", "10", "5", "1", "0", "-3", "abc", "2.5", "123456", "1e3", ""};
const QStringList kXs{"0", "1", "-2", "0.5", "π", "abc", "", "1e10", "-123456789012", "3"};

Case randomCase(QRandomGenerator& random) {
    const auto pick = [&random](const QStringList& from) {
        return from[random.bounded(static_cast<int>(from.size()))];
    };
    Case c;
    c.family = random.bounded(8);
    const int boxes = 1 + random.bounded(kShownBoxes[c.family]);
    for (int box = 0; box < boxes; ++box)
        c.boxes << pick(kCoefficients);
    c.mode = random.bounded(3);
    c.zoom = pick(kZooms);
    const int ats = random.bounded(4);
    for (int i = 0; i < ats; ++i)
        c.at << pick(kXs);
    c.exact = random.bounded(3) == 0;
    return c;
}

QString scenarioFor(const Case& c) {
    QString text = c.exact ? QStringLiteral("menu exact\n") : QString();
    text += QStringLiteral("family %1\n").arg(c.family);
    for (qsizetype box = 0; box < c.boxes.size(); ++box)
        text += QStringLiteral("set tx%1 %2\n").arg(box).arg(c.boxes[box]);
    text += QStringLiteral("set setdata %1\nmode %2\nclick prt\n").arg(c.zoom).arg(c.mode);
    for (const QString& x : c.at)
        text += QStringLiteral("set setx %1\nclick calc\n").arg(x);
    return text;
}

QStringList argumentsFor(const Case& c, bool byName) {
    QStringList arguments{QStringLiteral("describe"), QStringLiteral("--mode"),
                          QString::number(c.mode), QStringLiteral("--zoom"), c.zoom};
    for (const QString& x : c.at)
        arguments << QStringLiteral("--at") << x;
    if (c.exact)
        arguments << QStringLiteral("--exact");
    const bool needsSeparator = std::any_of(c.boxes.begin(), c.boxes.end(), [](const QString& b) {
        return b.startsWith('-') &&
               !(b.size() > 1 &&
                 (b[1].isDigit() || b[1] == '.' || b[1] == QChar(0x03C0) || b[1] == QChar(0x221A)));
    });
    if (needsSeparator)
        arguments << QStringLiteral("--");
    arguments << (byName ? kNames[c.family] : QString::number(c.family));
    return arguments + c.boxes;
}

double quadratic(double x) {
    return x * x - 2 * x - 3;
}

// The polylines of an SVG picture, in its pixels.
struct Svg {
    QSizeF size;
    QList<QList<QPointF>> polylines;
    int lines = 0;
    // The key points' marks: the dots, and the dashed lines.
    QList<QPointF> markDots;
    QList<QLineF> dashed;
    bool valid = false;
};

Svg readSvg(const QString& path) {
    Svg svg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return svg;
    QXmlStreamReader xml(&file);
    bool inMarks = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g"))
            inMarks = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        const auto number = [&attributes](const char* name) {
            return attributes.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("g")) {
            inMarks = attributes.value("id") == QLatin1String("marks");
        } else if (inMarks && xml.name() == QLatin1String("circle")) {
            svg.markDots << QPointF(number("cx"), number("cy"));
        } else if (inMarks && xml.name() == QLatin1String("line")) {
            if (attributes.hasAttribute("stroke-dasharray"))
                svg.dashed << QLineF(number("x1"), number("y1"), number("x2"), number("y2"));
        } else if (xml.name() == QLatin1String("svg")) {
            svg.size =
                QSizeF(attributes.value("width").toDouble(), attributes.value("height").toDouble());
        } else if (xml.name() == QLatin1String("line")) {
            ++svg.lines;
        } else if (xml.name() == QLatin1String("polyline")) {
            QList<QPointF> points;
            const auto pairs = attributes.value("points").toString().split(' ');
            for (const QString& pair : pairs) {
                const QStringList xy = pair.split(',');
                if (xy.size() == 2)
                    points << QPointF(xy[0].toDouble(), xy[1].toDouble());
            }
            svg.polylines << points;
        }
    }
    svg.valid = !xml.hasError();
    return svg;
}

// Whether two lists hold the same points, in any order, to a hundredth of a pixel.
template <typename T> bool sameUpToOrder(QList<T> found, const QList<T>& expected) {
    for (const T& item : expected) {
        const auto match = std::find_if(found.begin(), found.end(), [&item](const T& other) {
            if constexpr (std::is_same_v<T, QLineF>)
                return QLineF(item.p1(), other.p1()).length() < 0.01 &&
                       QLineF(item.p2(), other.p2()).length() < 0.01;
            else
                return QLineF(item, other).length() < 0.01;
        });
        if (match == found.end())
            return false;
        found.erase(match);
    }
    return found.isEmpty();
}

// How many pixels of a picture are within a few steps of a colour.
int pixelsNear(const QImage& picture, QColor colour) {
    constexpr int kTolerance = 24;
    int count = 0;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= kTolerance &&
                std::abs(c.green() - colour.green()) <= kTolerance &&
                std::abs(c.blue() - colour.blue()) <= kTolerance)
                ++count;
        }
    }
    return count;
}

QString squeezed(const QString& text) {
    return text.simplified();
}

} // namespace

class ProgramCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void exitStatusesAndMessages_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errFirstLine");
        QTest::newRow("lines") << QStringList{"describe", "linear", "2", "-4"} << 0
                               << "y = 2 x - 4\n    [ x = 0 ] y = -4\n    [ y = 0 ] x = 2\n"
                                  "    Range : R\n"
                               << "";
        QTest::newRow("calculate")
            << QStringList{"describe", "--at", "3", "--at", "-1", "linear", "2", "-4"} << 0
            << "y = 2 x - 4\n    [ x = 0 ] y = -4\n    [ y = 0 ] x = 2\n"
               "    Range : R\n    [ x = 3 ] y = 2\n"
               "    [ x = -1 ] y = -6\n"
            << "";
        QTest::newRow("box cut to 7") << QStringList{"describe", "0", "1", "-400000009"} << 0
                                      << "y = 1 x - 400000\n    [ x = 0 ] y = -400000\n"
                                         "    [ y = 0 ] x = 400000\n    Range : R\n"
                                      << "";
        QTest::newRow("not a function")
            << QStringList{"describe", "linear", "0", "1", "--at", "2"} << 1 << ""
            << "Not a Function";
        QTest::newRow("zoom") << QStringList{"describe", "--zoom", "-3", "linear", "1"} << 1 << ""
                              << "Error : Zoom";
        QTest::newRow("help") << QStringList{"--help"} << 0 << QString() << "";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringLiteral("Oltrave %1\n").arg(OLTRAVE_VERSION) << "";
        QTest::newRow("unknown family") << QStringList{"describe", "circle", "1"} << 2 << ""
                                        << "oltrave: unknown family \"circle\"";
        QTest::newRow("unknown option")
            << QStringList{"describe", "--fast", "linear", "1"} << 2 << ""
            << "oltrave: unknown option 'fast'";
        QTest::newRow("window option") << QStringList{"--fast"} << 2 << ""
                                       << "oltrave: unknown option 'fast'";
        QTest::newRow("unknown command") << QStringList{"sketch"} << 2 << ""
                                         << "oltrave: unknown command \"sketch\"";
        QTest::newRow("missing -o") << QStringList{"render", "linear", "1"} << 2 << ""
                                    << "oltrave: missing -o FILE";
        QTest::newRow("suffix") << QStringList{"render", "-o", "x.gif", "linear", "1"} << 2 << ""
                                << "oltrave: cannot tell the format of \"x.gif\": use png, "
                                   "svg, pdf";
        QTest::newRow("no folder")
            << QStringList{"render", "-o", "/nonexistent-folder/plot.svg", "linear", "1"} << 3 << ""
            << "oltrave: /nonexistent-folder/plot.svg: ";
        QTest::newRow("sound without -o") << QStringList{"sound", "linear", "1"} << 2 << ""
                                          << "oltrave: missing -o FILE";
        QTest::newRow("sound suffix")
            << QStringList{"sound", "-o", "s.mp3", "linear", "1"} << 2 << ""
            << "oltrave: cannot tell the format of \"s.mp3\": use wav";
        QTest::newRow("sound not a function")
            << QStringList{"sound", "-o", "/nonexistent-folder/s.wav", "linear", "0", "1"} << 1
            << ""
            << "Not a Function";
        QTest::newRow("sound no folder")
            << QStringList{"sound", "-o", "/nonexistent-folder/s.wav", "linear", "1"} << 3 << ""
            << "oltrave: /nonexistent-folder/s.wav: ";
    }
    void exitStatusesAndMessages() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, errFirstLine);
        const Run result = runProgram(arguments);
        QCOMPARE(result.status, status);
        if (out.isNull())
            QVERIFY(result.out.startsWith(QStringLiteral("Usage:")));
        else
            QCOMPARE(result.out, out);
        if (errFirstLine.isEmpty()) {
            QCOMPARE(result.err, QString());
            return;
        }
        QVERIFY2(result.err.section('\n', 0, 0).startsWith(errFirstLine), qPrintable(result.err));
        if (status == 2) // the usage follows the reason
            QVERIFY(result.err.contains(QStringLiteral("\n\nUsage:\n")));
        else if (status == 3)
            QVERIFY(result.err.section('\n', 0, 0).size() > errFirstLine.size());
        else
            QCOMPARE(result.err, errFirstLine + '\n');
    }

    // The command lines need no display, and never load a platform: one that
    // does not exist would stop them.
    void commandsNeedNoDisplay() {
        const QStringList noDisplay{"DISPLAY", "WAYLAND_DISPLAY"};
        const QStringList missingPlatform{"QT_QPA_PLATFORM", "nowhere"};
        const Run describe =
            run(kProgram, {"describe", "linear", "2", "-4"}, noDisplay, missingPlatform);
        QCOMPARE(describe.status, 0);
        QVERIFY(describe.out.startsWith(QStringLiteral("y = 2 x - 4\n")));
        // Nor does describe load the GUI libraries: they take longer to load
        // than it takes to run.
        const Run libraries =
            run(kProgram, {"describe", "linear", "2", "-4"}, {}, {"LD_DEBUG", "libs"});
        QCOMPARE(libraries.status, 0);
        QVERIFY(libraries.err.contains(QStringLiteral("libQt6Core")));
        QVERIFY(!libraries.err.contains(QStringLiteral("libQt6Gui")));
        for (const char* suffix : {"png", "svg", "pdf"}) {
            const QString path = dir_.filePath(QStringLiteral("nodisplay.") + suffix);
            const Run render =
                run(kProgram, {"render", "-o", path, "sine", "1", "1"}, noDisplay, missingPlatform);
            QCOMPARE(render.status, 0);
            QVERIFY(QFile::exists(path));
        }
        // Sound needs neither a display nor a sound device, nor the GUI libraries.
        const QString wav = dir_.filePath(QStringLiteral("nodisplay.wav"));
        const Run sound = run(kProgram, {"sound", "-o", wav, "sine", "1", "1"}, noDisplay,
                              {"QT_QPA_PLATFORM", "nowhere", "LD_DEBUG", "libs"});
        QCOMPARE(sound.status, 0);
        QVERIFY(QFile::exists(wav));
        QVERIFY(!sound.err.contains(QStringLiteral("libQt6Gui")));
    }

    // GiNaC loads with the first exact value, not with the program.
    void exactValuesLoadTheirEngineWhenFirstAskedFor() {
        const QStringList debug{"LD_DEBUG", "libs"};
        const Run decimal = run(kProgram, {"describe", "quadratic", "1", "-2", "-1"}, {}, debug);
        QCOMPARE(decimal.status, 0);
        QVERIFY(decimal.out.contains(QStringLiteral("x ( 0 ) = -0.414213562373095")));
        QVERIFY(!decimal.err.contains(QStringLiteral("libginac")));
        const Run exact =
            run(kProgram, {"describe", "--exact", "quadratic", "1", "-2", "-1"}, {}, debug);
        QCOMPARE(exact.status, 0);
        QVERIFY(exact.out.contains(QStringLiteral("x ( 0 ) = 1 - √2")));
        QVERIFY(exact.err.contains(QStringLiteral("libginac")));
        // The window module holds a model of its own, told the same.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: tools/setup.sh installs it");
        const QString path = dir_.filePath(QStringLiteral("exact.pdf"));
        QCOMPARE(runProgram({"render", "--exact", "-o", path, "quadratic", "1", "-2", "-1"}).status,
                 0);
        const Run text = run(QStringLiteral("pdftotext"), {"-raw", path, "-"});
        QVERIFY(text.out.contains(QStringLiteral("x ( 0 ) = 1 - √2")));
    }

    // The file holds the sweep of the curve the steps plotted: the family, the
    // boxes, the mode and the zoom all reach it.
    void soundFileIsThePlottedCurvesSweep() {
        const QString path = dir_.filePath(QStringLiteral("sweep.wav"));
        const Run result = runProgram(
            {"sound", "--mode", "1", "--zoom", "5", "-o", path, "quadratic", "1", "-2", "-3"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const std::vector<std::uint8_t> want = oltrave::sound::wavFile(
            oltrave::sound::renderCurve({1, oltrave::AbsMode::OfValue, {1, -2, -3, 0}}, 5));
        QCOMPARE(bytes.size(), static_cast<qsizetype>(want.size()));
        QVERIFY(std::equal(want.begin(), want.end(),
                           reinterpret_cast<const std::uint8_t*>(bytes.constData())));

        // A failure shown in the window writes nothing over the old file. Read
        // by its name again: a replaced file would leave the open one as it was.
        QCOMPARE(runProgram({"sound", "-o", path, "linear", "0", "1"}).status, 1);
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), bytes);
    }

    // A command that fails leaves an old file as it was, whatever the format.
    void aFailingCommandWritesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("command");
        for (const char* suffix : {"png", "svg", "pdf"})
            QTest::newRow(suffix) << QStringLiteral("nf.%1").arg(suffix) << "render";
        QTest::newRow("wav") << "nf.wav"
                             << "sound";
    }
    void aFailingCommandWritesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, command);
        const QString path = dir_.filePath(name);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("OLD\n") == 4);
        old.close();
        const Run result = runProgram({command, "-o", path, "tangent", "0", "1", "0", "0"});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.err, QStringLiteral("Not a Function\n"));
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("OLD\n"));
    }

    // Targets the writer refuses: a reason on standard error, exit 3, and
    // nothing written where the target leads.
    void aRefusedTargetExitsThree_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("another user's link in a shared folder") << "link";
    }
    void aRefusedTargetExitsThree() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("plot.png");
        const QString victim = dir.filePath("mine.txt");
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        } else {
            if (::geteuid() != 0)
                QSKIP("a link of another user needs root (lchown)");
            QFile mine(victim);
            QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine\n") == 5);
            mine.close();
            QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
            QVERIFY(QFile::link(victim, path));
            QCOMPARE(::lchown(QFile::encodeName(path).constData(), 4242, 4242), 0);
        }
        const Run result = runProgram({"render", "-o", path, "linear", "1", "0"});
        QCOMPARE(result.status, 3);
        QVERIFY2(result.err.startsWith(QStringLiteral("oltrave: %1: refused").arg(path)),
                 qPrintable(result.err));
        if (kind != QLatin1String("pipe")) {
            QFile mine(victim);
            QVERIFY(mine.open(QIODevice::ReadOnly));
            QCOMPARE(mine.readAll(), QByteArray("mine\n"));
        }
    }

    // Key points whose k is near 3e199 cannot be told apart: none are drawn.
    // The curve itself still is.
    void keyPointsBeyondCountingAreLeftOut() {
        const QString path = dir_.filePath(QStringLiteral("far.svg"));
        const Run result =
            runProgram({"render", "--keypoints", "-o", path, "sine", "1", "1", "1e200", "0"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        const Svg svg = readSvg(path);
        QVERIFY(svg.valid);
        QVERIFY(!svg.polylines.isEmpty());
        QCOMPARE(svg.markDots.size(), 0);
        QCOMPARE(svg.dashed.size(), 0);
    }

    void windowWithoutADisplaySaysSo() {
        const Run unset = run(kProgram, {}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
        QCOMPARE(unset.status, 1);
        QCOMPARE(unset.err, kNoDisplay);
        // A display named but not there.
        int number = 4321;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            ++number;
        const Run absent = run(kProgram, {}, {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"},
                               {"DISPLAY", QStringLiteral(":%1").arg(number)});
        QCOMPARE(absent.status, 1);
        QCOMPARE(absent.err, kNoDisplay);
    }

    // For many random uses, describe prints exactly the lines the real window
    // lists after the same steps, and fails exactly when the window shows a failure.
    void describeListsWhatTheWindowLists() {
        QRandomGenerator random(20240615);
        constexpr int kCases = 40;
        for (int i = 0; i < kCases; ++i) {
            const Case c = randomCase(random);
            const QString scenario = scenarioFor(c);
            const std::optional<WindowResult> window = driveWindow(scenario);
            QVERIFY2(window, qPrintable(scenario));
            const Run describe = runProgram(argumentsFor(c, i % 2 == 0));
            const QString where = scenario + QStringLiteral("\n") + describe.err;
            QStringList lines = describe.out.split('\n');
            QVERIFY2(lines.takeLast().isEmpty(), qPrintable(where)); // each line ends in \n
            QCOMPARE(lines, window->lines);
            const bool failed = window->label == QStringLiteral("Not a Function") ||
                                window->label == QStringLiteral("Error : Zoom");
            QVERIFY2(describe.status == (failed ? 1 : 0), qPrintable(where));
            // Warnings on texts not read whole come first, each its own line.
            QStringList errors = describe.err.split('\n');
            errors.removeIf([](const QString& line) { return line.startsWith("oltrave: "); });
            QCOMPARE(errors.join('\n'), failed ? window->label + '\n' : QString());
        }
    }

    void svgPolylinesLieOnTheCurve() {
        const QString path = dir_.filePath(QStringLiteral("quadratic.svg"));
        QCOMPARE(runProgram({"render", "-o", path, "quadratic", "1", "-2", "-3"}).status, 0);
        const Svg svg = readSvg(path);
        QVERIFY(svg.valid);
        QCOMPARE(svg.size, QSizeF(426, 359));
        QVERIFY(svg.lines >= 2);
        QCOMPARE(svg.polylines.size(), 1);
        const QList<QPointF>& points = svg.polylines.front();
        // Much fewer than the 20001 samples, enough to follow the curve.
        QVERIFY2(points.size() > 20 && points.size() < 2000,
                 qPrintable(QString::number(points.size())));
        for (const QPointF& p : points) {
            const double x = -10 + 20 * p.x() / svg.size.width();
            const double expected = (10 - quadratic(x)) / 20 * svg.size.height();
            // Hundredths of a pixel, times the slope.
            const double tolerance = 0.01 + std::fabs(2 * x - 2) * 0.01;
            QVERIFY2(std::fabs(p.y() - expected) <= tolerance,
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        }
        // From one edge of the view to the other: x - 1 = ±√14 where y = 10.
        const double edge = std::sqrt(14.0);
        QVERIFY(std::fabs(-10 + 20 * points.front().x() / 426 - (1 - edge)) < 0.01);
        QVERIFY(std::fabs(-10 + 20 * points.back().x() / 426 - (1 + edge)) < 0.01);
    }

    // Broken at poles and where the curve has no value, never joined across.
    void svgCurvesBreakWhereTheCurveDoes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("polylines");
        // tan x from -10 to 10: pieces between the poles at π/2 + kπ.
        QTest::newRow("tangent") << QStringList{"tangent", "1", "1", "0", "0"} << 7;
        // log2 x + 0: only x > 0.
        QTest::newRow("logarithm") << QStringList{"logarithmic", "2", "0"} << 1;
        QTest::newRow("sine") << QStringList{"sine", "2", "2", "1", "-1"} << 1;
    }
    void svgCurvesBreakWhereTheCurveDoes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, polylines);
        const QString path = dir_.filePath(QStringLiteral("curve.svg"));
        QCOMPARE(runProgram(QStringList{"render", "-o", path} + arguments).status, 0);
        QVERIFY(QFileInfo(path).size() < 200 * 1024);
        const Svg svg = readSvg(path);
        QVERIFY(svg.valid);
        QCOMPARE(svg.polylines.size(), polylines);
        for (const auto& line : svg.polylines) {
            for (qsizetype i = 1; i < line.size(); ++i)
                QVERIFY(std::fabs(line[i].y() - line[i - 1].y()) <= svg.size.height());
            if (arguments.front() == QLatin1String("logarithmic"))
                QVERIFY(line.front().x() >= svg.size.width() / 2);
        }
    }

    void pdfWorksheetHoldsEveryLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("pages");
        QTest::newRow("quadratic") << QStringList{"--at", "3", "quadratic", "1", "-2", "-3"} << 1;
        QTest::newRow("sine") << QStringList{"--at", "0", "--zoom", "5", "sine",
                                             "2",    "2", "1",      "-1"}
                              << 1;
        // The lines keep their size and flow onto a second page: 42 fit on the first.
        QStringList many;
        for (int x = 1; x <= 120; ++x)
            many << QStringLiteral("--at") << QString::number(x);
        QTest::newRow("120 lines") << many + QStringList{"linear", "1", "0"} << 2;
    }
    void pdfWorksheetHoldsEveryLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, pages);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: tools/setup.sh installs it");
        const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(runProgram(QStringList{"render", "-o", path} + arguments).status, 0);
        const Run describe = runProgram(QStringList{"describe"} + arguments);
        QCOMPARE(describe.status, 0);
        const Run text = run(QStringLiteral("pdftotext"), {"-raw", path, "-"});
        QCOMPARE(text.status, 0);
        QStringList pdfLines = text.out.split('\n');
        std::transform(pdfLines.begin(), pdfLines.end(), pdfLines.begin(), squeezed);
        QCOMPARE(text.out.count(QChar('\f')), pages);
        QVERIFY(pdfLines.contains(QStringLiteral("Oltrave 函数计算器")));
        const QString zoom = arguments.contains("--zoom") ? "5" : "10";
        QVERIFY(pdfLines.contains(QStringLiteral("each axis from -%1 to %1").arg(zoom)));
        const QStringList lines = describe.out.trimmed().split('\n');
        QVERIFY(lines.size() > 5);
        QCOMPARE(pdfLines.count(squeezed(lines.front())), 2); // the title and the first line
        for (const QString& line : lines)
            QVERIFY2(pdfLines.contains(squeezed(line)), qPrintable(line));

        // Every face the page uses travels with it.
        const Run fonts = run(QStringLiteral("pdffonts"), {path});
        QCOMPARE(fonts.status, 0);
        const QStringList rows = fonts.out.split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows)
            QVERIFY2(
                row.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+yes\\b"))),
                qPrintable(row));
    }

    // On a 400 x 200 picture at zoom 10, (x, y) lies at (20 (x + 10), 10 (10 - y)).
    void svgKeyPointsAreWhereTheLinesSay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<QPointF>>("dots");
        QTest::addColumn<QList<QLineF>>("dashed");
        // Zeros -1 and 3, vertex (1, -4) on the axis x = 1, value -3 at 0.
        QTest::newRow("quadratic") << QStringList{"quadratic", "1", "-2", "-3"}
                                   << QList<QPointF>{{180, 100}, {260, 100}, {220, 140}, {200, 130}}
                                   << QList<QLineF>{{220, 0, 220, 200}};
        // | f |: the vertex and the value at 0 fold up to 4 and 3.
        QTest::newRow("quadratic |f(x)|")
            << QStringList{"--mode", "1", "quadratic", "1", "-2", "-3"}
            << QList<QPointF>{{180, 100}, {260, 100}, {220, 60}, {200, 70}}
            << QList<QLineF>{{220, 0, 220, 200}};
        // f(| x |): zeros -3 and 3, vertices (-1, -4) and (1, -4) about the axis x = 0.
        QTest::newRow("quadratic f(|x|)")
            << QStringList{"--mode", "2", "quadratic", "1", "-2", "-3"}
            << QList<QPointF>{{140, 100}, {260, 100}, {180, 140}, {220, 140}, {200, 130}}
            << QList<QLineF>{{200, 0, 200, 200}};
        // 2 ^ x - 4: -3 at 0, approaching y = -4.
        QTest::newRow("exponential")
            << QStringList{"exponential", "2", "-4"} << QList<QPointF>{{200, 130}}
            << QList<QLineF>{{0, 140, 400, 140}};
    }
    void svgKeyPointsAreWhereTheLinesSay() {
        QFETCH(QStringList, arguments);
        QFETCH(QList<QPointF>, dots);
        QFETCH(QList<QLineF>, dashed);
        const QString path = dir_.filePath(QStringLiteral("marks.svg"));
        const QStringList common{"render", "--size", "400x200", "-o", path};
        QCOMPARE(runProgram(common + arguments).status, 0);
        const Svg plain = readSvg(path);
        QVERIFY(plain.valid);
        QVERIFY(plain.markDots.isEmpty() && plain.dashed.isEmpty());
        QCOMPARE(runProgram(common + QStringList{"--keypoints"} + arguments).status, 0);
        const Svg marked = readSvg(path);
        QVERIFY(marked.valid);
        QVERIFY2(sameUpToOrder(marked.markDots, dots),
                 qPrintable(QDebug::toString(marked.markDots)));
        QVERIFY2(sameUpToOrder(marked.dashed, dashed), qPrintable(QDebug::toString(marked.dashed)));
        QCOMPARE(marked.polylines, plain.polylines); // the marks lie above the curve
    }

    // The worksheet's plot carries the marks: the dots' red is on the page
    // only with --keypoints.
    void pdfWorksheetDrawsTheKeyPoints() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: tools/setup.sh installs it");
        const QColor markRed(178, 34, 34);
        int reds[2] = {0, 0};
        for (const bool keypoints : {false, true}) {
            const QString pdf = dir_.filePath(QStringLiteral("marks.pdf"));
            QStringList arguments{"render", "-o", pdf, "quadratic", "1", "-2", "-3"};
            if (keypoints)
                arguments << QStringLiteral("--keypoints");
            QCOMPARE(runProgram(arguments).status, 0);
            const QString stem = dir_.filePath(QStringLiteral("page"));
            QCOMPARE(run(QStringLiteral("pdftoppm"), {"-r", "60", "-png", "-singlefile", pdf, stem})
                         .status,
                     0);
            const QImage page(stem + QStringLiteral(".png"));
            QVERIFY(!page.isNull());
            reds[keypoints] = pixelsNear(page, markRed);
        }
        QCOMPARE(reds[0], 0);
        // Four dots, each a few pixels across at this resolution.
        QVERIFY2(reds[1] >= 4, qPrintable(QString::number(reds[1])));
    }

    // The dots of --keypoints have their size: four marks of radius 3, each a
    // red disc inside a white rim and its soft edge, so about π 2² red pixels
    // apiece; a highlighted mark's radius 5 would give about π 4².
    void pngKeyPointDotsHaveTheirSize() {
        const QString path = dir_.filePath(QStringLiteral("dots.png"));
        QCOMPARE(runProgram({"render", "--keypoints", "--size", "400x200", "-o", path, "quadratic",
                             "1", "-2", "-3"})
                     .status,
                 0);
        const int red = pixelsNear(QImage(path), QColor(178, 34, 34));
        const double pi = 3.141592653589793;
        QVERIFY2(red > 4 * pi * 1.5 * 1.5 && red < 4 * pi * 3 * 3,
                 qPrintable(QString::number(red)));
    }

    void pngEqualsTheWindowsSavedImage_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("keypoints");
        QTest::newRow("quadratic") << 1 << QStringList{"1", "-2", "-3"} << 0 << "10" << 0 << false;
        QTest::newRow("exponential |f(x)|")
            << 6 << QStringList{"2", "-1"} << 1 << "3" << 0 << false;
        QTest::newRow("tangent") << 5 << QStringList{"1", "2", "0", "1"} << 0 << "10" << 0 << false;
        QTest::newRow("not a function") << 2 << QStringList{"0", "1"} << 0 << "10" << 1 << false;
        // With View > Key Points on, the window's Save Image holds its marks.
        QTest::newRow("quadratic, key points")
            << 1 << QStringList{"1", "-2", "-3"} << 0 << "10" << 0 << true;
        QTest::newRow("sine, key points")
            << 3 << QStringList{"2", "2", "1", "-1"} << 0 << "10" << 0 << true;
        QTest::newRow("tangent, key points")
            << 5 << QStringList{"1", "2", "0", "1"} << 0 << "3" << 0 << true;
        QTest::newRow("exponential f(|x|), key points")
            << 6 << QStringList{"0.5", "-2"} << 2 << "5" << 0 << true;
    }
    void pngEqualsTheWindowsSavedImage() {
        Case c;
        QFETCH(int, family);
        c.family = family;
        QFETCH(QStringList, boxes);
        c.boxes = boxes;
        QFETCH(int, mode);
        c.mode = mode;
        QFETCH(QString, zoom);
        c.zoom = zoom;
        QFETCH(int, status);
        QFETCH(bool, keypoints);
        const QString rendered = dir_.filePath(QStringLiteral("rendered.png"));
        const QString saved = dir_.filePath(QStringLiteral("saved.png"));
        QStringList arguments = argumentsFor(c, true);
        arguments.replace(0, QStringLiteral("render"));
        if (keypoints)
            arguments.insert(1, QStringLiteral("--keypoints"));
        QFile::remove(rendered);
        QCOMPARE(runProgram(arguments + QStringList{"-o", rendered}).status, status);
        // A command that fails writes no file.
        if (status != 0) {
            QVERIFY(!QFile::exists(rendered));
            return;
        }
        const QString scenario = (keypoints ? QStringLiteral("menu keypoints\n") : QString()) +
                                 scenarioFor(c) + QStringLiteral("save-canvas %1\n").arg(saved);
        QVERIFY(driveWindow(scenario));
        const QImage window(saved);
        const QImage picture(rendered);
        QVERIFY(!window.isNull());
        QCOMPARE(picture.size(), window.size());
        QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                 window.convertToFormat(QImage::Format_RGB32));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ProgramCliTest)
#include "program_cli_test.moc"
