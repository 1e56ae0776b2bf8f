// oltrave exercises: practice sets whose answers are exact, agree with the
// analysis of the formula printed, and come back byte for byte from a seed.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every number text anywhere in a key object: {"text", "value"} pairs.
void numberTexts(const QJsonValue& value, QStringList& texts) {
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            numberTexts(item, texts);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.contains(QStringLiteral("text")) && object.contains(QStringLiteral("value")))
            texts << object.value(QStringLiteral("text")).toString();
        for (const QJsonValue& item : object)
            numberTexts(item, texts);
    }
}

// The value a polynomial's coefficients give at x, highest power first.
double polynomial(const QJsonArray& coefficients, double x) {
    double y = 0;
    for (const QJsonValue& c : coefficients)
        y = y * x + c.toString().toDouble();
    return y;
}

QString squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

} // namespace

class ExercisesCliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Many seeds over every family: the answers are closed forms, the analysis
    // of the same boxes gives the same key, and polynomials vanish at their zeros.
    void keysAreExactAndAgreeWithTheAnalysis() {
        int checked = 0;
        for (int seed = 1; seed <= 24; ++seed) {
            const QString pdf = dir_.filePath(QStringLiteral("set.pdf"));
            const QString keyPath = dir_.filePath(QStringLiteral("key.json"));
            const Run made = run(kProgram, {"exercises", "--count", "8", "--seed",
                                            QString::number(seed), "-o", pdf, "--key", keyPath});
            QVERIFY2(made.status == 0, made.err.constData());
            const QJsonArray key = QJsonDocument::fromJson(contents(keyPath)).array();
            QCOMPARE(key.size(), 8);
            for (const QJsonValue& entry : key) {
                const QJsonObject object = entry.toObject();
                const QString where = QStringLiteral("seed %1: %2")
                                          .arg(seed)
                                          .arg(object.value("function").toString());
                QVERIFY2(object.value("exact").toBool(), qPrintable(where));
                QStringList texts;
                numberTexts(object, texts);
                for (const QString& text : texts)
                    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d|e[-+]"))),
                             qPrintable(where + QStringLiteral(" writes ") + text));

                // Every third one against the analyse command, to keep the test short.
                if (checked++ % 3 == 0) {
                    QStringList arguments{"analyse",
                                          "--json",
                                          "--exact",
                                          "--mode",
                                          QString::number(object.value("mode").toInt()),
                                          object.value("family").toString(),
                                          "--"};
                    for (const QJsonValue& c : object.value("coefficients").toArray())
                        arguments << c.toString();
                    const Run analysed = run(kProgram, arguments);
                    QVERIFY2(analysed.status == 0, qPrintable(where));
                    QCOMPARE(QJsonDocument::fromJson(analysed.out).object(), object);
                }

                const QString family = object.value("family").toString();
                if ((family == "quadratic" || family == "cubic") &&
                    object.value("mode").toInt() == 0) {
                    for (const QJsonValue& zero : object.value("zeros").toArray()) {
                        const double x = zero.toObject().value("value").toDouble();
                        QVERIFY2(std::fabs(polynomial(object.value("coefficients").toArray(), x)) <
                                     1e-9,
                                 qPrintable(where));
                    }
                }
            }
        }
    }

    // The same seed, the same files (the writer's tables are in hash order, so
    // more than two runs); another seed, another set.
    void aSeedMakesTheSameSet() {
        QByteArray pdfs[4];
        QByteArray keys[4];
        const int seeds[4] = {7, 7, 7, 8};
        for (int i = 0; i < 4; ++i) {
            const QString pdf = dir_.filePath(QStringLiteral("same%1.pdf").arg(i));
            const QString key = dir_.filePath(QStringLiteral("same%1.json").arg(i));
            QCOMPARE(run(kProgram, {"exercises", "--seed", QString::number(seeds[i]), "-o", pdf,
                                    "--key", key})
                         .status,
                     0);
            pdfs[i] = contents(pdf);
            keys[i] = contents(key);
        }
        QVERIFY(pdfs[0].startsWith("%PDF"));
        QVERIFY(pdfs[0] == pdfs[1] && pdfs[0] == pdfs[2]);
        QVERIFY(keys[0] == keys[1] && keys[0] == keys[2]);
        QVERIFY(keys[0] != keys[3]);
    }

    // Every formula on an exercise page and again on an answer page, after
    // the last exercise; --families keeps to the families named.
    void thePdfHoldsEveryExerciseAndItsAnswer_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("domain");
        QTest::newRow("english") << QStringList{"--count", "10", "--seed", "3"}
                                 << QStringLiteral("Answers") << QStringLiteral("Domain");
        QTest::newRow("chinese") << QStringList{"--count", "10", "--seed", "3", "--lang", "zh_CN"}
                                 << QStringLiteral("答案") << QStringLiteral("定义域");
        QTest::newRow("two families")
            << QStringList{"--families", "sine,quadratic", "--count", "5", "--seed", "11"}
            << QStringLiteral("Answers") << QStringLiteral("Domain");
    }
    void thePdfHoldsEveryExerciseAndItsAnswer() {
        QFETCH(QStringList, options);
        QFETCH(QString, answers);
        QFETCH(QString, domain);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: tools/setup.sh installs it");
        const QString pdf = dir_.filePath(QStringLiteral("book.pdf"));
        const QString keyPath = dir_.filePath(QStringLiteral("book.json"));
        QCOMPARE(
            run(kProgram, QStringList{"exercises", "-o", pdf, "--key", keyPath} + options).status,
            0);
        const QJsonArray key = QJsonDocument::fromJson(contents(keyPath)).array();
        const QStringList pages =
            QString::fromUtf8(run("pdftotext", {"-raw", pdf, "-"}).out).split(QChar('\f'));
        const qsizetype first =
            std::find_if(pages.begin(), pages.end(),
                         [&](const QString& page) { return page.startsWith(answers); }) -
            pages.begin();
        QVERIFY2(first < pages.size(), "no answer page");
        const QString exercisePages = squeezed(pages.mid(0, first).join(QString()));
        const QString answerPages = squeezed(pages.mid(first).join(QString()));
        QVERIFY(exercisePages.contains(squeezed(domain)));
        for (qsizetype i = 0; i < key.size(); ++i) {
            const QJsonObject object = key[i].toObject();
            const QString formula = squeezed(
                QStringLiteral("%1. %2").arg(i + 1).arg(object.value("function").toString()));
            QVERIFY2(exercisePages.contains(formula), qPrintable(formula));
            QVERIFY2(answerPages.contains(formula), qPrintable(formula));
            if (options.contains("--families"))
                QVERIFY(
                    QStringList({"sine", "quadratic"}).contains(object.value("family").toString()));
        }
    }

    void refusesWhatItCannotMake_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList{"exercises"};
        QTest::newRow("not a pdf") << QStringList{"exercises", "-o", "set.png"};
        QTest::newRow("no exercise") << QStringList{"exercises", "--count", "0", "-o", "s.pdf"};
        QTest::newRow("not a family")
            << QStringList{"exercises", "--families", "sine,circle", "-o", "s.pdf"};
        QTest::newRow("a seed in words") << QStringList{"exercises", "--seed", "x", "-o", "s.pdf"};
        QTest::newRow("a function") << QStringList{"exercises", "-o", "s.pdf", "linear", "1"};
    }
    void refusesWhatItCannotMake() {
        QFETCH(QStringList, arguments);
        QCOMPARE(run(kProgram, arguments).status, 2);
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(ExercisesCliTest)
#include "exercises_cli_test.moc"
