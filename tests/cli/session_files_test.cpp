// Session files: what a fresh run opens is what was saved, and every file the
// program could not have written is refused with its reason, changing nothing.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "exact/exactreader.h"
#include "exact/exactwriter.h"
#include "platform/sessionfile.h"
#include "programrun.h"

using namespace oltrave;

namespace {

const QString kDriver = QStringLiteral(OLTRAVE_DRIVER);
const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

// The program run in dir.
Run runIn(const QString& dir, const QStringList& arguments) {
    return runProgram(kProgram, arguments, dir);
}

// The driver's output for a scenario; the last state block is the run's end.
QString runScenario(const QString& dir, const QStringList& actions) {
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(kDriver, {QStringLiteral("-")});
    process.write((actions.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(120000);
    if (process.exitCode() != 0)
        return QStringLiteral("driver failed: ") +
               QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The blocks of an output: each starts at its label line, or at the message
// line before it.
QStringList blocks(const QString& output) {
    QStringList found;
    bool afterMessage = false;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const bool message = line.startsWith(QLatin1String("message: "));
        if (message || (line.startsWith(QLatin1String("label: ")) && !afterMessage) ||
            found.isEmpty())
            found << QString();
        afterMessage = message;
        found.back() += line + QLatin1Char('\n');
    }
    return found;
}

// A person's actions, any of which may fail quietly (a hidden box is not typed into).
QStringList randomActions(QRandomGenerator& random, int count) {
    static const QStringList kTexts{"2", "-4", "0", "1/3", "abc", "0.5", "-1", "3", "1E3", ""};
    static const QStringList kCommands{
        "click prt", "click rprt", "click cleara",       "click calc",
        "wheel 1",   "wheel -1",   "menu exact",         "menu keypoints",
        "menu undo", "menu redo",  "shortcut Shift+Del", "click prt"};
    QStringList actions;
    for (int i = 0; i < count; ++i) {
        const auto pick = [&random](const QStringList& list) {
            return list.at(random.bounded(static_cast<int>(list.size())));
        };
        switch (random.bounded(6)) {
        case 0: actions << QStringLiteral("family %1").arg(random.bounded(8)); break;
        case 1: actions << QStringLiteral("mode %1").arg(random.bounded(3)); break;
        case 2:
            actions << QStringLiteral("set tx%1 %2").arg(random.bounded(2)).arg(pick(kTexts));
            break;
        case 3:
            actions << QStringLiteral("set %1 %2")
                           .arg(random.bounded(2) ? QStringLiteral("setx")
                                                  : QStringLiteral("setdata"))
                           .arg(pick(kTexts).isEmpty() ? QStringLiteral("5") : pick(kTexts));
            break;
        default: actions << pick(kCommands); break;
        }
    }
    return actions;
}

QByteArray json(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

} // namespace

class SessionFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aFreshRunOpensWhatWasSaved_data();
    void aFreshRunOpensWhatWasSaved();
    void refusals_data();
    void refusals();
    void numbersReadAsJsonReadersReadThem_data();
    void numbersReadAsJsonReadersReadThem();
    void aRefusalChangesNothingInTheWindow();
    void aSessionOfThisFormatReadsBackAsWritten();
    void theCommandLineWorksFromASession();
};

void SessionFilesTest::aFreshRunOpensWhatWasSaved_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void SessionFilesTest::aFreshRunOpensWhatWasSaved() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    QStringList actions = randomActions(random, 25);
    // Every family shows boxes 0 and 1, the only ones typed into; the plot
    // before the save makes sure there is something on the area.
    actions << QStringLiteral("click prt") << QStringLiteral("save-session kept.oltrave");
    const QStringList saved = blocks(runScenario(dir.path(), actions));
    const QStringList opened =
        blocks(runScenario(dir.path(), {QStringLiteral("open-session kept.oltrave")}));
    const QString scenario = actions.join(QLatin1Char('\n'));
    QVERIFY2(!saved.isEmpty() && saved.back().startsWith(QLatin1String("label: ")),
             qPrintable(scenario + QLatin1Char('\n') + saved.join(QString())));
    QVERIFY2(!opened.isEmpty() && opened.back().startsWith(QLatin1String("label: ")),
             qPrintable(opened.join(QString())));
    QCOMPARE(opened.back(), saved.back());
}

void SessionFilesTest::refusals_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    SavedSession good;
    good.boxes = {"2", "-4", "", ""};
    good.lines.push_back(
        {"y = 2 x - 4", "", {}, std::nullopt, DrawnCurve{0, AbsMode::Plain, {2, -4, 0, 0}}});
    const QByteArray valid = sessionJson(good);
    const QJsonObject root = QJsonDocument::fromJson(valid).object();
    const auto with = [&root](const char* key, const QJsonValue& value) {
        QJsonObject changed = root;
        changed.insert(QLatin1String(key), value);
        return json(changed);
    };

    QTest::addRow("truncated") << valid.left(valid.size() / 2)
                               << QStringLiteral("The session file is damaged: line ");
    QTest::addRow("newer version") << with("version", kSessionFormat + 1)
                                   << QStringLiteral("saved by a newer version of Oltrave");
    QTest::addRow("version as text") << with("version", QStringLiteral("1"))
                                     << QStringLiteral("field version: expected a whole number");
    QTest::addRow("family as text") << with("family", QStringLiteral("linear"))
                                    << QStringLiteral("field family: expected a number");
    QTest::addRow("boxes not a list")
        << with("boxes", 3) << QStringLiteral("field boxes: expected a list");
    QTest::addRow("missing lines") << [&root] {
        QJsonObject changed = root;
        changed.remove(QStringLiteral("lines"));
        return json(changed);
    }() << QStringLiteral("field lines: missing");
    QTest::addRow("family 99") << with("family", 99)
                               << QStringLiteral("field family: 99 is not a family");
    QTest::addRow("mode 3") << with("mode", 3)
                            << QStringLiteral("field mode: 3 is not a mode of this family");
    QTest::addRow("zoom 0") << with("zoomValue", 0)
                            << QStringLiteral("field zoomValue: not a zoom the area can show");
    QTest::addRow("box too long") << with("boxes", QJsonArray{"12345678", "", "", ""})
                                  << QStringLiteral("field boxes[0]: longer than the box takes");
    QTest::addRow("hidden box") << with("boxes", QJsonArray{"1", "2", "3", ""})
                                << QStringLiteral("field boxes[2]: this family has no such box");
    QTest::addRow("mark kind") << [&root] {
        QJsonObject changed = root;
        QJsonArray lines = changed.value(QStringLiteral("lines")).toArray();
        QJsonObject line = lines[0].toObject();
        line.insert(QStringLiteral("marks"), QJsonArray{QJsonObject{{"kind", "peak"},
                                                                    {"shape", "point"},
                                                                    {"x", 0},
                                                                    {"y", 0},
                                                                    {"step", 0},
                                                                    {"yOdd", 0}}});
        lines[0] = line;
        changed.insert(QStringLiteral("lines"), lines);
        return json(changed);
    }() << QStringLiteral("field lines[0].marks[0].kind: not a name this format knows");
    QTest::addRow("a line of 1 MB") << [&root] {
        QJsonObject changed = root;
        QJsonArray lines = changed.value(QStringLiteral("lines")).toArray();
        QJsonObject line = lines[0].toObject();
        line.insert(QStringLiteral("text"), QString(1 << 20, QLatin1Char('x')));
        lines[0] = line;
        changed.insert(QStringLiteral("lines"), lines);
        return json(changed);
    }() << QStringLiteral("field lines[0]: longer than any line the program writes");
    QByteArray garbage(10 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919) % 251);
    QTest::addRow("10 MB of garbage")
        << garbage << QStringLiteral("Not a session file: it does not hold a session's text.");
    QTest::addRow("another program's JSON")
        << QByteArray("{\"name\": \"x\"}")
        << QStringLiteral("Not a session file: it does not say it holds an Oltrave session.");

    // Read as any JSON reader reads: the last of a key given twice counts, no
    // nesting past what readers take, and nothing after the session.
    const QByteArray open = valid.chopped(1);
    QTest::addRow("family given twice, the last 99")
        << open + ",\"family\":99}" << QStringLiteral("field family: 99 is not a family");
    QTest::addRow("nested too deep")
        << open + ",\"notes\":" + QByteArray(1100, '[') + QByteArray(1100, ']') + "}"
        << QStringLiteral("The session file is damaged: line 1: ");
    QTest::addRow("a NUL byte, then more")
        << valid + QByteArray(1, '\0') + "{}"
        << QStringLiteral("The session file is damaged: line 1: ");
}

void SessionFilesTest::refusals() {
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const SessionReading reading = readSessionJson(content);
    QVERIFY(!reading.session);
    QVERIFY2(reading.problem.contains(reason), qPrintable(reading.problem));
}

// The family written in the ways JSON allows; "family N" where it is read,
// otherwise the reason of the refusal.
void SessionFilesTest::numbersReadAsJsonReadersReadThem_data() {
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QString>("outcome");
    QTest::addRow("zero, large exponent") << QByteArray("0e+71") << QStringLiteral("family 0");
    QTest::addRow("capital E") << QByteArray("2.0E0") << QStringLiteral("family 2");
    QTest::addRow("negative exponent") << QByteArray("70e-1") << QStringLiteral("family 7");
    QTest::addRow("past 64 bits") << QByteArray("18446744073709551616")
                                  << QStringLiteral("field family: expected a whole number");
    QTest::addRow("past a double")
        << QByteArray("1e400") << QStringLiteral("The session file is damaged: line 1: ");
}

void SessionFilesTest::numbersReadAsJsonReadersReadThem() {
    QFETCH(QByteArray, number);
    QFETCH(QString, outcome);
    SavedSession good;
    good.boxes = {"2", "-4", "", ""};
    const QByteArray text = sessionJson(good).chopped(1) + ",\"family\":" + number + "}";
    const SessionReading reading = readSessionJson(text);
    const QString got = reading.session ? QStringLiteral("family %1").arg(reading.session->family)
                                        : reading.problem;
    QVERIFY2(got.contains(outcome), qPrintable(got));
}

void SessionFilesTest::aRefusalChangesNothingInTheWindow() {
    QTemporaryDir dir;
    QFile bad(dir.filePath(QStringLiteral("bad.oltrave")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    SavedSession impossible;
    impossible.family = 99;
    bad.write(sessionJson(impossible));
    bad.close();
    const QStringList steps{"set tx0 2", "click prt", "dump", "open-session bad.oltrave"};
    const QStringList shown = blocks(runScenario(dir.path(), steps));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], QStringLiteral("message: The session holds a value Oltrave never writes: "
                                      "field family: 99 is not a family.\n") +
                           shown[0]);
}

void SessionFilesTest::aSessionOfThisFormatReadsBackAsWritten() {
    SavedSession saved;
    saved.family = 4;
    saved.boxes = {"1/3", "2", "", ""};
    saved.xText = "3pi/4";
    saved.zoomText = "5";
    saved.zoom = 5;
    saved.plotted = true;
    saved.status = Status::ZoomError;
    saved.coef = {1.0 / 3, 2, 0, 0};
    saved.exactValues = true;
    saved.curves = {{4, AbsMode::Plain, {1.0 / 3, 2, 0, 0}}, {4, AbsMode::Plain, {0.5, 2, 0, 0}}};
    // What the boxes read in exact mode comes back, unless it is not the number saved.
    const ExactValue third = attemptExact("1/3").reading->value;
    saved.curves[0].exact[0] = third;
    saved.curves[1].exact[0] = third;
    saved.area = {{AreaStroke::Kind::Axes, 10, {}}, {AreaStroke::Kind::Curve, 5, saved.curves[0]}};
    SessionLine line{
        "    [ x = 0 ] y = 1", "    [ x = 0 ] y = 1", {}, Stretch{-1, 2, 0.5}, saved.curves[0]};
    line.marks.push_back({MarkKind::Asymptote, MarkShape::Horizontal, 0, -0.1, 1e300, 3});
    saved.lines = {line};
    const SessionReading reading = readSessionJson(sessionJson(saved));
    QVERIFY2(reading.session, qPrintable(reading.problem));
    const SavedSession& back = *reading.session;
    QCOMPARE(back.family, 4);
    QVERIFY(back.boxes == saved.boxes);
    QCOMPARE(back.xText, saved.xText);
    QCOMPARE(back.zoom, 5.0);
    QVERIFY(back.status == Status::ZoomError);
    QVERIFY(back.coef == saved.coef);
    QVERIFY(back.exactValues);
    QVERIFY(back.curves == saved.curves);
    QCOMPARE(writeExact(back.curves[0].exact[0]), std::optional<std::string>("1/3"));
    QVERIFY(!back.curves[0].exact[1].known() && !back.curves[1].exact[0].known());
    QVERIFY(back.area == saved.area);
    QCOMPARE(back.lines.size(), std::size_t{1});
    QCOMPARE(back.lines[0].text, line.text);
    QCOMPARE(back.lines[0].marks.size(), std::size_t{1});
    QCOMPARE(back.lines[0].marks[0].step, 1e300);
    QCOMPARE(back.lines[0].marks[0].y, -0.1);
    QVERIFY(back.lines[0].marks[0].kind == MarkKind::Asymptote);
    QCOMPARE(back.lines[0].stretch->step, 0.5);
    QVERIFY(back.lines[0].curve == saved.curves[0]);
}

void SessionFilesTest::theCommandLineWorksFromASession() {
    QTemporaryDir dir;
    // Two curves, the first printed at another zoom, and a Calculate.
    runScenario(dir.path(), {"set tx0 1", "set tx1 1", "click prt", "set tx0 2", "set tx1 -4",
                             "click prt", "set setx 3", "click calc", "save-session s.oltrave"});
    const Run described = runIn(dir.path(), {"describe", "--session", "s.oltrave"});
    QCOMPARE(described.status, 0);
    QCOMPARE(described.out, QStringLiteral("y = 1 x + 1\n    [ x = 0 ] y = 1\n"
                                           "    [ y = 0 ] x = -1\n    Range : R\n"
                                           "y = 2 x - 4\n    [ x = 0 ] y = -4\n"
                                           "    [ y = 0 ] x = 2\n    Range : R\n"
                                           "    [ x = 3 ] y = 2\n"));
    const Run rendered = runIn(dir.path(), {"render", "--session", "s.oltrave", "-o", "s.svg"});
    QCOMPARE(rendered.status, 0);
    QFile svg(dir.filePath(QStringLiteral("s.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    // Both curves are drawn: two polylines of the curve colour at least.
    QVERIFY2(svg.readAll().count("polyline") >= 2, "fewer curves than the session holds");

    QFile bad(dir.filePath(QStringLiteral("bad.oltrave")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": \"oltrave-session\", \"version\": 99}");
    bad.close();
    const Run refused = runIn(dir.path(), {"describe", "--session", "bad.oltrave"});
    QCOMPARE(refused.status, 2);
    QVERIFY(refused.out.isEmpty());
    QVERIFY2(refused.err.contains(QLatin1String("newer version")), qPrintable(refused.err));
    QCOMPARE(runIn(dir.path(), {"describe", "--session", "s.oltrave", "linear", "1"}).status, 2);
}

QTEST_GUILESS_MAIN(SessionFilesTest)
#include "session_files_test.moc"
