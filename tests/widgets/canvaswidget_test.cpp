#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/imagecanvas.h"

using oltrave::CanvasWidget;
using oltrave::kCurveColour;

namespace {

const QColor kCurve(146, 137, 249);
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

using Run = std::vector<oltrave::CanvasPoint>;

// A 200 x 100 client area inside the frame, scaled from -10 to 10 both ways.
std::unique_ptr<CanvasWidget> shownCanvas() {
    auto canvas = std::make_unique<CanvasWidget>();
    canvas->setFixedSize(202, 102);
    canvas->show();
    if (!QTest::qWaitForWindowExposed(canvas.get()) || !canvas->setScale(-10, 10, 10, -10))
        return nullptr;
    return canvas;
}

} // namespace

Q_DECLARE_METATYPE(Run)

class CanvasWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        canvas_ = shownCanvas();
        QVERIFY(canvas_);
    }
    void cleanup() { canvas_.reset(); }

    void userScaleMapsOntoTheClientArea_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("upper-left corner") << -10.0f << 10.0f << QPoint(0, 0);
        QTest::newRow("origin") << 0.0f << 0.0f << QPoint(100, 50);
        QTest::newRow("y grows upwards") << 5.0f << 5.0f << QPoint(150, 25);
        QTest::newRow("just inside lower-right") << 9.95f << -9.95f << QPoint(199, 99);
    }
    void userScaleMapsOntoTheClientArea() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QPoint, pixel);
        canvas_->point(x, y, kCurveColour);
        const QImage& image = canvas_->image();
        const qreal ratio = image.width() / 200.0;
        QCOMPARE(image.pixelColor((pixel * ratio)), kCurve);
    }

    void refusedScaleKeepsThePreviousOne() {
        QVERIFY(!canvas_->setScale(0, 0, 0, 0));
        QVERIFY(!canvas_->setScale(-1, 5, 1, 5));
        canvas_->point(0, 0, kCurveColour);
        const QImage& image = canvas_->image();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), kCurve);
    }

    void countsWhatItAcceptsUntilCleared() {
        const float inf = std::numeric_limits<float>::infinity();
        canvas_->line(-10, 0, 10, 0);
        canvas_->line(0, -inf, 0, 10);
        canvas_->point(1, 1, kCurveColour);
        canvas_->point(1000, 1, kCurveColour); // outside the view, still accepted
        canvas_->point(std::numeric_limits<float>::quiet_NaN(), 1, kCurveColour);
        QCOMPARE(canvas_->lineCount(), 1);
        QCOMPARE(canvas_->pointCount(), 2);
        canvas_->clear();
        QCOMPARE(canvas_->lineCount(), 0);
        QCOMPARE(canvas_->pointCount(), 0);
        QCOMPARE(canvas_->image().pixelColor(0, 0), oltrave::menuBarColour());
    }

    void aRunDrawsWhatItsPointsDrawOneByOne_data() {
        QTest::addColumn<Run>("run");
        QTest::addColumn<int>("accepted");
        QTest::newRow("inside") << Run{{0, 0}, {5, 5}, {-9.9f, -9.9f}} << 3;
        QTest::newRow("unusable between usable ones")
            << Run{{1, 1}, {kNaN, 1}, {2, kInf}, {-kInf, 0}, {3, 3}} << 2;
        QTest::newRow("outside the area, still accepted")
            << Run{{100, 0}, {0, -10.5f}, {10, 0}, {0, -10}, {-10, 10}} << 5;
        QTest::newRow("empty") << Run{} << 0;
        Run line;
        for (int i = 0; i < 5000; ++i)
            line.push_back({-12 + i * 0.005f, 6 - i * 0.003f});
        QTest::newRow("a long run across the edges") << line << 5000;
    }
    void aRunDrawsWhatItsPointsDrawOneByOne() {
        QFETCH(Run, run);
        QFETCH(int, accepted);
        const std::unique_ptr<CanvasWidget> single = shownCanvas();
        QVERIFY(single);
        canvas_->points(run.data(), run.size(), kCurveColour);
        for (const oltrave::CanvasPoint& p : run)
            single->point(p.x, p.y, kCurveColour);
        QCOMPARE(canvas_->pointCount(), accepted);
        QCOMPARE(single->pointCount(), accepted);
        QCOMPARE(canvas_->image(), single->image());
    }

    // Lines along a row or a column skip the painter; they must still be the
    // painter's pixels, wherever they start and end, to a sixty-fourth of a
    // pixel and closer, and where they leave the image: written into the
    // picture, kept until a picture is made, and drawn while there is none.
    void straightLinesAreThePaintersLines() {
        const QColor background(240, 240, 240);
        const QColor ink(Qt::black);
        const QSize size(200, 100);
        oltrave::ImageCanvas canvas(background, ink);
        canvas.fit(size, 1);
        canvas.image(); // made: lines go straight into it
        std::mt19937 random(7);
        std::uniform_real_distribution<float> along(-20, 220);
        std::uniform_int_distribution<int> nudge(-3, 3);
        for (int i = 0; i < 4000; ++i) {
            float a = along(random);
            float b = i % 10 == 0 ? a + nudge(random) / 256.0f : along(random);
            float c = along(random) / 2;
            if (i % 3 == 0) // near a pixel's edge
                c = std::round(c) + nudge(random) / 1024.0f;
            if (i % 4 == 0)
                a = std::round(a) + nudge(random) / 1024.0f;
            const QLineF line = i % 2 ? QLineF(a, c, b, c) : QLineF(c / 2, a / 2, c / 2, b / 2);
            canvas.clear();
            canvas.line(float(line.x1()), float(line.y1()), float(line.x2()), float(line.y2()));
            QImage painted(size, QImage::Format_RGB32);
            painted.fill(background);
            QPainter painter(&painted);
            painter.setPen(QPen(ink, 1));
            painter.drawLine(line);
            painter.end();
            oltrave::ImageCanvas fresh(background, ink);
            fresh.fit(size, 1);
            fresh.line(float(line.x1()), float(line.y1()), float(line.x2()), float(line.y2()));
            QImage shown = painted;
            if (fresh.plain()) {
                shown.fill(Qt::red);
                QPainter plain(&shown);
                fresh.paintPlain(plain, QPoint());
            }
            if (canvas.image() != painted || shown != painted || fresh.image() != painted)
                QFAIL(qPrintable(QStringLiteral("line %1,%2 to %3,%4")
                                     .arg(line.x1())
                                     .arg(line.y1())
                                     .arg(line.x2())
                                     .arg(line.y2())));
        }
    }

    // Points go straight into the image, yet a copy of it, however it was
    // taken, keeps what it showed, and a cleared or resized image gets them.
    void copiesKeepWhatTheyShowed() {
        const QColor background = oltrave::menuBarColour();
        const QImage& drawing = canvas_->image();
        canvas_->point(0, 0, kCurveColour);
        const QImage copy = drawing; // through a reference held since before
        canvas_->point(5, 5, kCurveColour);
        QCOMPARE(copy.pixelColor(150, 25), background);
        QCOMPARE(canvas_->image().pixelColor(150, 25), kCurve);
        QCOMPARE(copy.pixelColor(100, 50), kCurve);

        const QImage beforeClear = canvas_->image();
        canvas_->clear();
        canvas_->point(-5, -5, kCurveColour);
        QCOMPARE(canvas_->image().pixelColor(50, 75), kCurve);
        QCOMPARE(beforeClear.pixelColor(50, 75), background);
        QCOMPARE(beforeClear.pixelColor(150, 25), kCurve);

        canvas_->setFixedSize(402, 202);
        QTRY_COMPARE(canvas_->image().width(), 400 * canvas_->image().devicePixelRatio());
        canvas_->point(5, 5, kCurveColour);
        const qreal ratio = canvas_->image().width() / 400.0;
        QCOMPARE(canvas_->image().pixelColor(QPoint(300, 50) * ratio), kCurve);
    }

    void axesUseTheDefaultDrawingColour() {
        canvas_->line(-10, 0, 10, 0);
        const QImage& image = canvas_->image();
        QCOMPARE(image.pixelColor(image.width() / 4, image.height() / 2),
                 canvas_->palette().color(QPalette::WindowText));
    }

    // Until a curve is drawn the widget shows the axes without a picture:
    // exactly what the picture shows once it is made.
    void theAxesAloneShowAsThePictureWould() {
        canvas_->clear();
        canvas_->line(-10, 0, 10, 0);
        canvas_->line(0, -10, 0, 10);
        canvas_->line(-10, 9.99f, 10, 9.99f); // the first row
        const QImage plain = canvas_->grab().toImage();
        QCOMPARE(plain.pixelColor(canvas_->contentsRect().topLeft() + QPoint(100, 20)),
                 canvas_->palette().color(QPalette::WindowText));
        canvas_->image(); // makes the picture
        QCOMPARE(canvas_->grab().toImage(), plain);
    }

    // The drawing is kept, not redone: hiding and showing again shows it as it was.
    void drawingSurvivesBeingCovered() {
        canvas_->line(-10, 0, 10, 0);
        for (float x = -10; x < 10; x += 0.01f)
            canvas_->point(x, x / 2, kCurveColour);
        const QImage before = canvas_->grab().toImage();
        canvas_->hide();
        canvas_->show();
        QVERIFY(QTest::qWaitForWindowExposed(canvas_.get()));
        QCOMPARE(canvas_->grab().toImage(), before);
        QCOMPARE(before.pixelColor(canvas_->contentsRect().topLeft() + QPoint(150, 37)), kCurve);
    }

    // x = 10 and y = -10 map onto the first pixel past the image: a slip there
    // would colour the next row's first pixel, or write past the last row.
    void pointsOnTheFarEdgesAreClipped() {
        const QImage before = canvas_->image().copy();
        const Run edges{{10, 0}, {0, -10}, {10, -10}, {10, 10}, {-10, -10}};
        canvas_->points(edges.data(), edges.size(), kCurveColour);
        canvas_->point(10, 5, kCurveColour);
        QCOMPARE(canvas_->pointCount(), 6);
        QCOMPARE(canvas_->image(), before);
    }

    void drawingSurvivesAResize() {
        canvas_->point(5, 5, kCurveColour); // pixel (150, 25)
        canvas_->setFixedSize(402, 202);
        QTRY_COMPARE(canvas_->image().size(), QSize(400, 200));
        QCOMPARE(canvas_->image().pixelColor(300, 50), kCurve);
        QCOMPARE(canvas_->image().pixelColor(0, 0), oltrave::menuBarColour());
    }

    // Read off a real menu bar, away from any item.
    void backgroundIsTheMenuBarsColour() {
        QMenuBar bar;
        bar.resize(120, 30);
        const QColor barColour = bar.grab().toImage().pixelColor(100, 15);
        QCOMPARE(canvas_->image().pixelColor(0, 0), barColour);
        QCOMPARE(canvas_->grab(canvas_->contentsRect()).toImage().pixelColor(10, 10), barColour);
    }

    // Marks and the read-out lie above the drawing: seen and saved, never counted.
    void layerIsShownButNotCounted() {
        canvas_->line(-10, 0, 10, 0);
        std::vector<oltrave::MarkInstance> marks{{oltrave::MarkShape::Point, 5, 5, 0, false},
                                                 {oltrave::MarkShape::Vertical, -5, 0, 0, true}};
        canvas_->setMarks(marks, {});
        CanvasWidget::TraceShown trace;
        trace.x = 0;
        trace.y = 0;
        trace.dot = true;
        trace.text = QStringLiteral("x = 0, y = 0");
        canvas_->setTrace(trace);
        QCOMPARE(canvas_->lineCount(), 1);
        QCOMPARE(canvas_->pointCount(), 0);
        const QImage shown = canvas_->shownImage();
        QVERIFY(shown != canvas_->image());
        const qreal ratio = shown.width() / 200.0;
        QVERIFY(shown.pixelColor(QPoint(150, 25) * ratio) !=
                canvas_->image().pixelColor(QPoint(150, 25) * ratio));
        QCOMPARE(canvas_->traceText(), trace.text);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shown.png"));
        QVERIFY(canvas_->saveImage(path).isEmpty());
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 shown.convertToFormat(QImage::Format_RGB32));

        canvas_->setMarks({}, {});
        canvas_->setTrace(std::nullopt);
        QCOMPARE(canvas_->shownImage(), canvas_->image());
        QVERIFY(canvas_->traceText().isEmpty());
    }

    void missingOrBrokenFontFileFallsBack() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(!oltrave::registerProductFont(dir.path()).isEmpty());
        QVERIFY(QDir(dir.path()).mkpath("Data/Font"));
        QFile broken(dir.filePath("Data/Font/Segoe UI Semibold.ttf"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a font");
        broken.close();
        QVERIFY(!oltrave::registerProductFont(dir.path()).isEmpty());
    }

    // The suffix names the format; none means PNG under a name ending ".png";
    // an unknown one writes nothing and lists the types that can be written.
    void saveImageWritesTheFormatTheSuffixNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written"); // empty: nothing
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << "plot.png"
                             << "plot.png" << QByteArray("png");
        QTest::newRow("jpg") << "plot.jpg"
                             << "plot.jpg" << QByteArray("jpeg");
        QTest::newRow("jpeg, upper case") << "plot.JPEG"
                                          << "plot.JPEG" << QByteArray("jpeg");
        QTest::newRow("bmp") << "plot.bmp"
                             << "plot.bmp" << QByteArray("bmp");
        QTest::newRow("no suffix") << "plot"
                                   << "plot.png" << QByteArray("png");
        QTest::newRow("dots before the name") << "v1.2/plot"
                                              << "v1.2/plot.png" << QByteArray("png");
        QTest::newRow("unknown suffix") << "plot.xyz"
                                        << "" << QByteArray();
    }
    void saveImageWritesTheFormatTheSuffixNames() {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QByteArray, format);
        canvas_->point(0, 0, kCurveColour);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("v1.2"));
        const QString error = canvas_->saveImage(dir.filePath(name));
        if (written.isEmpty()) {
            QVERIFY2(error.startsWith(dir.filePath(name) + ": "), qPrintable(error));
            for (const char* type : {"bmp", "jpg", "png"})
                QVERIFY2(error.contains(QLatin1String(type)), qPrintable(error));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
            return;
        }
        QCOMPARE(error, QString());
        QImageReader reader(dir.filePath(written));
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.read().size(), canvas_->image().size());
    }

    // A failure says where and why.
    void aFailedSaveNamesThePathAndTheReason() {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/plot.png");
        const QString error = canvas_->saveImage(path);
        QVERIFY2(error.startsWith(path + ": ") && error.size() > path.size() + 2,
                 qPrintable(error));
    }

private:
    std::unique_ptr<CanvasWidget> canvas_;
};

QTEST_MAIN(CanvasWidgetTest)
#include "canvaswidget_test.moc"
