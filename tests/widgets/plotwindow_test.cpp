// View > Plot Window: the second window follows the session, keeps the point
// under the pointer when zooming, and lists where curves meet.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWheelEvent>

#include "platform/canvaswidget.h"
#include "ui/plotview.h"
#include "ui/plotwindow.h"
#include "windowparts.h"

namespace {

void type(oltrave::MainWindow& window, const char* box, const QString& text) {
    part<QLineEdit>(window, box)->clear();
    QTest::keyClicks(part(window, box), text);
}

void print(oltrave::MainWindow& window, std::initializer_list<const char*> boxes) {
    const char* names[] = {"tx0", "tx1", "tx2", "tx3"};
    int i = 0;
    for (const char* text : boxes)
        type(window, names[i++], QString::fromUtf8(text));
    QTest::mouseClick(part(window, "prt"), Qt::LeftButton);
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
    // with their meetings, a tangent at three zooms, a sine on π ticks, and
    // the main window with Grid and Scale off and on. With OLTRAVE_SHOT_ROOT
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
        auto* chooser = part<QComboBox>(*window_, "combotype");
        chooser->setCurrentIndex(1);
        print(*window_, {"1", "-2", "-3"});
        print(*window_, {"-0.5", "1", "4"});
        chooser->setCurrentIndex(0);
        print(*window_, {"1", "1"});
        QTRY_COMPARE(plot()->intersectionTexts().size(), 6);
        shoot(QStringLiteral("parabolas-and-line"));
        window_->findChild<QAction*>(QStringLiteral("gridscale"))->trigger();
        QTest::qWait(200);
        QVERIFY(window_->grab().save(QDir(folder).filePath("main-grid.png")));
        window_->findChild<QAction*>(QStringLiteral("gridscale"))->trigger();

        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        chooser->setCurrentIndex(5);
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
        chooser->setCurrentIndex(3);
        print(*window_, {"2", "1", "0", "0"});
        chooser->setCurrentIndex(4);
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
