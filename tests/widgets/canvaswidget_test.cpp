#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "platform/appearance.h"
#include "platform/canvaswidget.h"

using oltrave::CanvasWidget;
using oltrave::kCurveColour;

namespace {

const QColor kCurve(146, 137, 249);

} // namespace

class CanvasWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        canvas_ = std::make_unique<CanvasWidget>();
        canvas_->setFixedSize(202, 102); // a 200 x 100 client area inside the frame
        canvas_->show();
        QVERIFY(QTest::qWaitForWindowExposed(canvas_.get()));
        QVERIFY(canvas_->setScale(-10, 10, 10, -10));
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

    void axesUseTheDefaultDrawingColour() {
        canvas_->line(-10, 0, 10, 0);
        const QImage& image = canvas_->image();
        QCOMPARE(image.pixelColor(image.width() / 4, image.height() / 2),
                 canvas_->palette().color(QPalette::WindowText));
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

  private:
    std::unique_ptr<CanvasWidget> canvas_;
};

QTEST_MAIN(CanvasWidgetTest)
#include "canvaswidget_test.moc"
