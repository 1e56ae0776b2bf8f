// The worksheet on as many A4 pages as it needs, read back from the PDF as a
// printer would get it: every line once and in order, no text under 9 pt,
// nothing outside the 15 mm margins.
#include <QBuffer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/commandline.h"
#include "app/plotsteps.h"
#include "app/rendercommand.h"
#include "model/form.h"
#include "output/curverecorder.h"
#include "output/worksheet.h"
#include "pdfpages.h"

using namespace oltrave;

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kMarginPoints = 15 * kPointsPerMm;

enum class Kind { Narrow, Wide, Chinese };

// Lines that cannot be mistaken for one another once blanks are gone.
QStringList makeLines(int count, Kind kind) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        switch (kind) {
        case Kind::Narrow: lines << QStringLiteral("[%1] y = %2").arg(i).arg(i * i); break;
        case Kind::Wide:
            lines << QStringLiteral("[%1] the value of the function at x = %1 is y = %2, "
                                    "read from the list")
                         .arg(i)
                         .arg(i * 3);
            break;
        case Kind::Chinese: lines << QStringLiteral("[%1] 函数值 y = %2").arg(i).arg(i - 7); break;
        }
    }
    return lines;
}

QString squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

} // namespace

class WorksheetPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: tools/setup.sh installs it");
        QVERIFY(dir_.isValid());
        Form form(drawing_, session_);
        form.start();
        cli::PlotRequest plot;
        plot.family = 1;
        plot.coefficients = QStringList{"1", "-2", "-3"};
        cli::runSteps(form, plot);
        sheet_ = sessionWorksheet(
            form, drawing_,
            {QStringLiteral("Oltrave"), cli::plottingAreaSize(), Qt::white, Qt::black}, {});
    }

    void flowsOverPages_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("withTable");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("twoColumns");
        // 267 mm of A4 inside the margins, less the page number's band, is 53
        // lines of 10 pt (13.6 pt apart) in a column; page 1 has room for 21
        // under the plot. Short lines take two columns once they pass page 1's one.
        QTest::newRow("1 line") << makeLines(1, Kind::Narrow) << false << 1 << false;
        QTest::newRow("21 lines") << makeLines(21, Kind::Narrow) << false << 1 << false;
        QTest::newRow("22 lines") << makeLines(22, Kind::Narrow) << false << 1 << true;
        QTest::newRow("38 lines") << makeLines(38, Kind::Narrow) << false << 1 << true;
        // 42 on page 1, 106 on each page after it.
        QTest::newRow("158 lines") << makeLines(158, Kind::Narrow) << false << 3 << true;
        QTest::newRow("1000 lines") << makeLines(1000, Kind::Narrow) << false << 11 << true;
        // One column: 21, then 53 a page; one line over a full page starts the next.
        QTest::newRow("22 wide lines") << makeLines(22, Kind::Wide) << false << 2 << false;
        QTest::newRow("74 wide lines") << makeLines(74, Kind::Wide) << false << 2 << false;
        QTest::newRow("75 wide lines") << makeLines(75, Kind::Wide) << false << 3 << false;
        QTest::newRow("158 wide lines") << makeLines(158, Kind::Wide) << false << 4 << false;
        QTest::newRow("158 Chinese lines") << makeLines(158, Kind::Chinese) << false << 3 << true;
        // The table starts below the list: page 1 is full.
        QTest::newRow("38 lines and a table") << makeLines(38, Kind::Narrow) << true << 2 << true;
    }
    void flowsOverPages() {
        QFETCH(QStringList, lines);
        QFETCH(bool, withTable);
        QFETCH(int, pages);
        QFETCH(bool, twoColumns);
        Worksheet sheet = sheet_;
        sheet.lines = lines;
        sheet.fields = withTable;
        QStringList expected = lines;
        if (withTable) {
            for (int i = 1; i <= 13; ++i) {
                sheet.table.push_back(
                    {QStringLiteral("<%1> Name").arg(i),
                     QStringLiteral("value %1, a long one: ").arg(i).repeated(3)});
                expected << sheet.table.back().name + sheet.table.back().value;
            }
        }
        const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(writeWorksheetPdf(file, sheet));
        file.close();

        const pdfpages::Layout layout = pdfpages::wordBoxes(path);
        QCOMPARE(layout.pages.size(), pages);

        // Every line once, in the order of the list.
        const QString text = squeezed(pdfpages::rawText(path));
        qsizetype from = 0;
        for (const QString& line : expected) {
            const QString wanted = squeezed(line);
            const qsizetype at = text.indexOf(wanted, from);
            QVERIFY2(at >= 0, qPrintable(line));
            QVERIFY2(text.indexOf(wanted, at + 1) < 0, qPrintable(line));
            from = at + wanted.size();
        }
        if (pages > 1) {
            QVERIFY(text.contains(QStringLiteral("1/%1").arg(pages)));
            QVERIFY(text.endsWith(QStringLiteral("%1/%1").arg(pages)));
        }

        // Nothing in the margins.
        for (const pdfpages::Word& word : layout.words) {
            const QSizeF paper = layout.pages.at(word.page);
            const QRectF inside(kMarginPoints, kMarginPoints, paper.width() - 2 * kMarginPoints,
                                paper.height() - 2 * kMarginPoints);
            QVERIFY2(inside.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.box),
                     qPrintable(QStringLiteral("%1 on page %2 at %3, %4 - %5, %6")
                                    .arg(word.text)
                                    .arg(word.page + 1)
                                    .arg(word.box.left())
                                    .arg(word.box.top())
                                    .arg(word.box.right())
                                    .arg(word.box.bottom())));
        }

        // A line that starts in the right half of page 1 is in a second column.
        const bool right = std::any_of(
            layout.words.begin(), layout.words.end(), [&layout](const pdfpages::Word& word) {
                return word.page == 0 && word.text.startsWith(QLatin1Char('[')) &&
                       word.box.left() > layout.pages.front().width() / 2;
            });
        QCOMPARE(right, twoColumns);

        // No text smaller than a class can read.
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<double> sizes = pdfpages::textSizes(written.readAll());
        QVERIFY(!sizes.isEmpty());
        const double smallest = *std::min_element(sizes.begin(), sizes.end());
        QVERIFY2(smallest >= 9 - 1e-6, qPrintable(QString::number(smallest)));
    }

    // The Name, Class and Date fields only when asked for.
    void fieldsAreOptional() {
        for (const bool fields : {false, true}) {
            Worksheet sheet = sheet_;
            sheet.fields = fields;
            QBuffer buffer;
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            QVERIFY(writeWorksheetPdf(buffer, sheet));
            const QString path = dir_.filePath(QStringLiteral("fields.pdf"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(buffer.data());
            file.close();
            const QString text = pdfpages::rawText(path);
            QCOMPARE(text.contains(QStringLiteral("Name")), fields);
            QCOMPARE(text.contains(QStringLiteral("Date")), fields);
        }
    }

    // The plot is read off the page: ±10 over the plotting area's 400-odd
    // pixels gets a tick every 2, each labelled.
    void plotHasLabelledTicks() {
        const QString path = dir_.filePath(QStringLiteral("ticks.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(writeWorksheetPdf(file, sheet_));
        file.close();
        const pdfpages::Layout layout = pdfpages::wordBoxes(path);
        QStringList words;
        for (const pdfpages::Word& word : layout.words)
            words << word.text;
        for (const char* label : {"-8", "-6", "-4", "-2", "2", "4", "6", "8"})
            QVERIFY2(words.count(QString::fromLatin1(label)) >= 2, label); // on both axes
    }

private:
    QTemporaryDir dir_;
    CurveRecorder drawing_;
    Session session_;
    Worksheet sheet_;
};

QTEST_MAIN(WorksheetPagesTest)
#include "worksheet_pages_test.moc"
