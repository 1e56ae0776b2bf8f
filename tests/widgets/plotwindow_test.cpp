// View > Plot Window: the second window follows the session, keeps the point
// under the pointer when zooming, and lists where curves meet.
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "output/gridpainter.h"
#include "platform/canvaswidget.h"
#include "platform/loadablemodule.h"
#include "platform/svgoutput.h"
#include "ui/plotpicture.h"
#include "ui/plotview.h"
#include "ui/plotwindow.h"
#include "windowparts.h"

namespace {

void type(oltrave::MainWindow& window, const char* box, const QString& text) {
    part<QLineEdit>(window, box)->clear();
    QTest::keyClicks(part(window, box), text);
}

void choose(oltrave::MainWindow& window, int family) {
    auto* chooser = part<QComboBox>(window, "combotype");
    chooser->setCurrentIndex(family);
    emit chooser->activated(family);
}

void print(oltrave::MainWindow& window, std::initializer_list<const char*> boxes) {
    const char* names[] = {"tx0", "tx1", "tx2", "tx3"};
    int i = 0;
    for (const char* text : boxes)
        type(window, names[i++], QString::fromUtf8(text));
    QTest::mouseClick(part(window, "prt"), Qt::LeftButton);
}

// The read-out's x and y; NaN for what it does not hold.
std::pair<double, double> readout(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^x = (\\S+), y = (\\S+)$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return {qQNaN(), qQNaN()};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

// How many pixels of colour lie in the columns around x.
int pixelsAround(const QImage& image, int x, QColor colour) {
    int count = 0;
    for (int column = std::max(0, x - 1); column <= std::min(image.width() - 1, x + 1); ++column)
        for (int y = 0; y < image.height(); ++y)
            count += image.pixelColor(column, y) == colour ? 1 : 0;
    return count;
}

// The runs of non-white pixels along row y: the grid's lines and the axis.
int linesAcross(const QImage& image, int y) {
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool ink = image.pixelColor(x, y) != QColor(Qt::white);
        runs += ink && !inRun ? 1 : 0;
        inRun = ink;
    }
    return runs;
}

} // namespace

class PlotWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // never the person's settings
    }
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void followsPrintAndClear() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        QVERIFY(plot()->legendTexts().isEmpty());
        // y = x + 1, then y = -x + 3: they meet at (1, 2)
        print(*window_, {"1", "1"});
        print(*window_, {"-1", "3"});
        QCOMPARE(plot()->legendTexts().size(), 2);
        QVERIFY(plot()->legendTexts()[1].contains(QStringLiteral("k = -1, b = 3")));
        QTRY_COMPARE(plot()->intersectionTexts(),
                     QStringList{QStringLiteral("Curves 1 and 2: ( 1 , 2 )")});
        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        QVERIFY(plot()->legendTexts().isEmpty());
        QTRY_VERIFY(plot()->intersectionTexts().isEmpty());
    }

    // SVG export goes through its module: the curve's picture is written, and
    // a file that cannot be written says so.
    void svgExportWritesThePlot() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        print(*window_, {"1", "1"});
        QString problem;
        const auto* svg = static_cast<const oltrave::SvgModuleTable*>(
            oltrave::loadModule(QStringLiteral("oltrave-svg.so"), problem));
        QVERIFY2(svg, qPrintable(problem));
        const oltrave::PlotView& view = plot()->plot();
        const QSize size(320, 200);
        const auto paint = [&view, size](QPainter& painter) { view.render(painter, size); };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plot.svg"));
        QVERIFY(svg->write(path, size, paint));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("viewBox=\"0 0 320 200\""));
        QVERIFY(text.contains("<path") || text.contains("<polyline"));
        QVERIFY(!svg->write(dir.filePath(QStringLiteral("no/such/folder/plot.svg")), size, paint));
    }

    // Export PNG asks for the size first, then where: the picture has the size
    // asked for; a cancelled size writes nothing.
    void pngExportAtTheSizeAsked() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        print(*window_, {"1", "1"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plot.png"));
        // Answers the modal dialogs as a person would, one after the other.
        bool cancelSize = true;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* modal = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && top->isModal())
                    modal = top;
            if (!modal)
                return;
            if (modal->objectName() == QLatin1String("picturesize")) {
                if (cancelSize) {
                    static_cast<QDialog*>(modal)->reject();
                    return;
                }
                modal->findChild<QSpinBox*>(QStringLiteral("picturewidth"))->setValue(300);
                modal->findChild<QSpinBox*>(QStringLiteral("pictureheight"))->setValue(150);
                static_cast<QDialog*>(modal)->accept();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog*>(files)->accept();
            }
        });
        answer.start(20);
        oltrave::exportPlotPicture(*plot(), plot()->plot(), false);
        QVERIFY(!QFile::exists(path));
        cancelSize = false;
        oltrave::exportPlotPicture(*plot(), plot()->plot(), false);
        answer.stop();
        const QImage written(path);
        QCOMPARE(written.size(), QSize(300, 150));
    }

    // With Exact Values on, meetings come in the closed forms the curves were
    // printed with, an older curve's as well as the newest's; off, in decimals.
    void exactMeetings() {
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        choose(*window_, 1);
        print(*window_, {"1", "0", "0"});  // y = x²
        print(*window_, {"2", "0", "-2"}); // y = 2x² - 2: x² = 2
        choose(*window_, 0);
        print(*window_, {"1", "1"}); // y = x + 1: x² = x + 1, 2x² - 2 = x + 1
        QTRY_COMPARE(plot()->intersectionTexts().size(), 6);
        const QStringList rows = plot()->intersectionTexts();
        QCOMPARE(rows.mid(0, 2), (QStringList{QStringLiteral("Curves 1 and 2: ( -√2 , 2 )"),
                                              QStringLiteral("Curves 1 and 2: ( √2 , 2 )")}));
        // (1 ± √5) / 2, in whichever order the closed form writes its terms
        QVERIFY(rows[2].startsWith(QStringLiteral("Curves 1 and 3: (")) &&
                rows[2].count(QStringLiteral("√5")) == 2);
        QVERIFY(rows[3].startsWith(QStringLiteral("Curves 1 and 3: (")) &&
                rows[3].count(QStringLiteral("√5")) == 2);
        QCOMPARE(rows.mid(4), (QStringList{QStringLiteral("Curves 2 and 3: ( -1 , 0 )"),
                                           QStringLiteral("Curves 2 and 3: ( 3/2 , 5/2 )")}));
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        QTRY_VERIFY(plot()->intersectionTexts().size() == 6 &&
                    !plot()->intersectionTexts().join(QString()).contains(QChar(0x221A)));
        QVERIFY(
            plot()->intersectionTexts()[0].startsWith(QStringLiteral("Curves 1 and 2: ( -1.41")));
        // The legend writes the coefficients as the boxes read them.
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        print(*window_, {"1/3", "-2/3"});
        QTRY_COMPARE(plot()->legendTexts().size(), 4);
        QVERIFY2(plot()->legendTexts()[3].endsWith(QStringLiteral("k = 1/3, b = -2/3")),
                 qPrintable(plot()->legendTexts()[3]));
        QVERIFY(plot()->legendTexts()[2].endsWith(QStringLiteral("k = 1, b = 1")));
    }

    // Selecting a legend row traces that curve; a click places the trace, Ctrl
    // and the arrows move it and change its curve, the plain arrows still pan.
    void traceInTheWindow() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        choose(*window_, 1);
        print(*window_, {"1", "-2", "-3"}); // y = x² - 2x - 3
        choose(*window_, 0);
        print(*window_, {"1", "1"}); // y = x + 1
        QVERIFY(plot()->readoutText().isEmpty());
        auto* legend = plot()->findChild<QListWidget*>(QStringLiteral("legend"));
        legend->setCurrentRow(0);
        oltrave::PlotView& view = plot()->plot();
        const double pixel = view.view().unitX;
        QTest::mouseClick(&view, Qt::LeftButton, {},
                          QPoint(qRound(view.view().pixelX(1)), view.height() / 3));
        auto [x, y] = readout(plot()->readoutText());
        QVERIFY(std::fabs(x - 1) <= pixel);
        QVERIFY(std::fabs(y - (x * x - 2 * x - 3)) < 0.006); // f at the x written, rounded
        QCOMPARE(view.accessibleDescription(), plot()->readoutText());
        QCOMPARE(plot()->findChild<QLabel*>(QStringLiteral("readout"))->text(),
                 plot()->readoutText());

        QTest::keyClick(&view, Qt::Key_Right, Qt::ControlModifier);
        const double before = x;
        std::tie(x, y) = readout(plot()->readoutText());
        QVERIFY(x > before && x - before <= 1.5 * pixel);
        QTest::keyClick(&view, Qt::Key_Down, Qt::ControlModifier); // the line
        std::tie(x, y) = readout(plot()->readoutText());
        QCOMPARE(y, x + 1);
        const double centre = view.view().centreX;
        QTest::keyClick(&view, Qt::Key_Right); // pans; the trace keeps its x
        QVERIFY(view.view().centreX > centre);
        QCOMPARE(readout(plot()->readoutText()).first, x);
        legend->setCurrentRow(0);
        std::tie(x, y) = readout(plot()->readoutText());
        QVERIFY(std::fabs(y - (x * x - 2 * x - 3)) < 0.006);
        // Hidden, the curve has no read-out.
        legend->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(plot()->readoutText().isEmpty());
        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        QVERIFY(plot()->readoutText().isEmpty());
    }

    // With the main window's Key Points on, each curve's marks show in its
    // colour: here the parabolas' axes, dashed lines down the plot.
    void keyPointsInEachCurvesColour() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        choose(*window_, 1);
        print(*window_, {"1", "-2", "-3"}); // axis x = 1
        print(*window_, {"-1", "-4", "0"}); // axis x = -2
        oltrave::PlotView& view = plot()->plot();
        const int one = qRound(view.view().pixelX(1));
        const int minusTwo = qRound(view.view().pixelX(-2));
        const QColor first = oltrave::curvePaletteColour(0);
        const QColor second = oltrave::curvePaletteColour(1);
        QImage shown = view.picture(view.size());
        const int curveOnly = pixelsAround(shown, one, first);
        QVERIFY(curveOnly < 20);
        QVERIFY(pixelsAround(shown, minusTwo, second) < 20);
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        shown = view.picture(view.size());

        QVERIFY(pixelsAround(shown, one, first) > curveOnly + view.height() / 3);
        QVERIFY(pixelsAround(shown, minusTwo, second) > view.height() / 3);
        QVERIFY(pixelsAround(shown, minusTwo, first) < 20);
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        QCOMPARE(pixelsAround(view.picture(view.size()), one, first), curveOnly);
    }

    // A picture asked at twice the size is drawn afresh, not blown up: the
    // same region gets ticks twice as dense, lines still one pixel wide.
    void pictureAtAnotherSize() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        const oltrave::PlotView& view = plot()->plot();
        const QImage shown = view.picture(view.size());
        const QImage twice = view.picture(view.size() * 2);
        QCOMPARE(twice.size(), view.size() * 2);
        // A row between ticks, clear of the y axis' labels.
        const int row = qRound(view.view().pixelY(9.3));
        const int lines = linesAcross(shown, row);
        QVERIFY(lines >= 5);
        QVERIFY(linesAcross(twice, 2 * row) >= 2 * lines - 2);
    }

    // The window's words follow View > Language at once.
    void wordsFollowTheLanguage() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        print(*window_, {"1", "1"});
        print(*window_, {"-1", "3"});
        QTRY_COMPARE(plot()->intersectionTexts().size(), 1);
        window_->findChild<QAction*>(QStringLiteral("language_zh_CN"))->trigger();
        QTRY_COMPARE(plot()->windowTitle(), QStringLiteral("图像"));
        QCOMPARE(plot()->intersectionTexts(),
                 QStringList{QStringLiteral("曲线 1 与 2：( 1 , 2 )")});
        window_->findChild<QAction*>(QStringLiteral("language_en"))->trigger();
        QTRY_COMPARE(plot()->windowTitle(), QStringLiteral("Plot"));
        QCOMPARE(plot()->intersectionTexts(),
                 QStringList{QStringLiteral("Curves 1 and 2: ( 1 , 2 )")});
    }

    void wheelKeepsThePointUnderThePointer() {
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        oltrave::PlotView& view = plot()->plot();
        const QPointF at(view.width() * 0.3, view.height() * 0.7);
        const double x = view.view().xAt(at.x());
        const double y = view.view().yAt(at.y());
        const double before = view.view().unitX;
        QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        QVERIFY(view.view().unitX < 0.99 * before);
        QCOMPARE(view.view().xAt(at.x()) + 1, x + 1);
        QCOMPARE(view.view().yAt(at.y()) + 1, y + 1);
        // A drag carries the plane with the pointer; Home goes back.
        QTest::mousePress(&view, Qt::LeftButton, {}, at.toPoint());
        QTest::mouseMove(&view, (at + QPointF(30, 20)).toPoint());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, (at + QPointF(30, 20)).toPoint());
        QCOMPARE(view.view().xAt(at.x() + 30) + 1, x + 1);
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.view().centreX, 0.0);
        QCOMPARE(view.view().unitX, view.view().unitY); // equal units
    }

    void gridUnderTheAreaOnlyWhenAsked() {
        print(*window_, {"1", "1"});
        auto* area = part<oltrave::CanvasWidget>(*window_, "pic");
        const QImage plain = area->shownImage();
        QAction* grid = window_->findChild<QAction*>(QStringLiteral("gridscale"));
        QVERIFY(!grid->isChecked()); // off at first: the specified look
        QCOMPARE(plain, area->image());
        grid->trigger();
        const QImage gridded = area->shownImage().convertToFormat(plain.format());
        const QRgb background = plain.pixel(1, 1);
        int changed = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != background)
                    QCOMPARE(gridded.pixel(x, y), plain.pixel(x, y)); // axes and curve as drawn
                else if (gridded.pixel(x, y) != background)
                    ++changed;
            }
        }
        QVERIFY(changed > 1000);
        grid->trigger();
        QCOMPARE(area->shownImage(), plain);
    }

    // OLTRAVE_SHOT_DIR=DIR saves the plot window: two parabolas and a line
    // with their exact meetings, the first traced, with Key Points, a tangent at three zooms, a
    // sine on π ticks, and the main window with Grid and Scale off and on. With OLTRAVE_SHOT_ROOT
    // set, the whole screen is taken too (import -window root).
    void screenshots() {
        const QString folder = qEnvironmentVariable("OLTRAVE_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("OLTRAVE_SHOT_DIR not set");
        const auto shoot = [&](const QString& name) {
            QTest::qWait(400);
            QVERIFY(plot()->grab().save(QDir(folder).filePath(name + ".png")));
            if (qEnvironmentVariableIsSet("OLTRAVE_SHOT_ROOT"))
                QProcess::execute(QStringLiteral("import"),
                                  {QStringLiteral("-window"), QStringLiteral("root"),
                                   QDir(folder).filePath(name + "-screen.png")});
        };
        window_->move(0, 0);
        QVERIFY(window_->grab().save(QDir(folder).filePath("main-plain.png")));
        plotItem()->trigger();
        QTRY_VERIFY(plot()->isVisible());
        plot()->move(window_->frameGeometry().right() + 10, 0);
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        choose(*window_, 1);
        print(*window_, {"1", "-2", "-3"});
        print(*window_, {"-1/2", "1", "4"});
        choose(*window_, 0);
        print(*window_, {"1", "1"});
        QTRY_COMPARE(plot()->intersectionTexts().size(), 6);
        shoot(QStringLiteral("parabolas-and-line"));
        plot()->findChild<QListWidget*>(QStringLiteral("legend"))->setCurrentRow(0);
        QTest::mouseClick(&plot()->plot(), Qt::LeftButton, {},
                          QPoint(qRound(plot()->plot().view().pixelX(2.5)), 10));
        shoot(QStringLiteral("trace"));
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        shoot(QStringLiteral("keypoints"));
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        window_->findChild<QAction*>(QStringLiteral("gridscale"))->trigger();
        QTest::qWait(200);
        QVERIFY(window_->grab().save(QDir(folder).filePath("main-grid.png")));
        window_->findChild<QAction*>(QStringLiteral("gridscale"))->trigger();

        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        choose(*window_, 5);
        print(*window_, {"1", "1", "0", "0"});
        oltrave::PlotView& view = plot()->plot();
        const QPointF centre(view.width() / 2.0, view.height() / 2.0);
        shoot(QStringLiteral("tangent-zoom1"));
        view.zoomAt(centre, 0.25);
        shoot(QStringLiteral("tangent-zoom2"));
        view.zoomAt(centre, 20);
        shoot(QStringLiteral("tangent-zoom3"));
        view.home();

        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        choose(*window_, 3);
        print(*window_, {"2", "1", "0", "0"});
        choose(*window_, 4);
        print(*window_, {"1", "2", "0", "0"});
        shoot(QStringLiteral("pi-ticks"));
    }

private:
    QAction* plotItem() { return window_->findChild<QAction*>(QStringLiteral("plotwindow")); }
    oltrave::PlotWindow* plot() {
        return window_->findChild<oltrave::PlotWindow*>(QStringLiteral("plotwindowframe"));
    }
    std::unique_ptr<oltrave::MainWindow> window_;
};

QTEST_MAIN(PlotWindowTest)
#include "plotwindow_test.moc"
