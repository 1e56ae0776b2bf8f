#include "aboutscreen.h"
#include "art.h"
#include "startupscreen.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace oltrave;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Every pixel inside the region painted black on white, for pixel-wise comparison.
QImage regionImage(const QRegion& region, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRegion(region);
    painter.fillRect(image.rect(), Qt::black);
    return image;
}

// The banner as the start-up screen shows it: at the top-left of a white window.
QImage bannerWindow() {
    QImage window(439, 341, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    painter.drawImage(0, 0, renderArt(QStringLiteral(":/art/banner.svg")));
    return window;
}

using Pixels = QList<QPair<QPoint, QRgb>>;

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void opaqueRegionOfSmallPictures_data();
    void opaqueRegionOfSmallPictures();
    void bannerMaskLeavesOutExactlyTheWhitePixels();
    void startupScreenHandsOverOnceAtTheFirstTick();
    void startupScreenTimerRunsFromLoad();
    void aboutScreenIsModalAndCloses_data();
    void aboutScreenIsModalAndCloses();
    void aboutScreenIsFramedInItsOutlineColour();
};

void ScreensTest::pictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << ":/art/banner.svg" << QSize(431, 335);
    QTest::newRow("about") << ":/art/about.svg" << QSize(378, 303);
    QTest::newRow("button") << ":/art/button.svg" << QSize(98, 26);
    QTest::newRow("icon") << ":/art/icon.svg" << QSize(48, 48);
}

// Each picture is compiled in, readable, of its size, and drawn with twice the pixels
// at 200 %.
void ScreensTest::pictures() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QCOMPARE(artSize(path), size);
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage image = renderArt(path, ratio);
        QCOMPARE(image.size(), size * ratio);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(size));
        // Something was drawn: not one colour all over.
        const QRgb first = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3)
            for (int x = 0; x < image.width() && !varied; x += 3)
                varied = image.pixel(x, y) != first;
        QVERIFY2(varied, qPrintable(QStringLiteral("%1 at %2x").arg(path).arg(ratio)));
    }
}

void ScreensTest::opaqueRegionOfSmallPictures_data() {
    QTest::addColumn<Pixels>("pixels");
    QTest::addColumn<QRegion>("expected");
    QTest::newRow("all white") << Pixels{} << QRegion();
    QTest::newRow("one coloured pixel")
        << Pixels{{{3, 4}, qRgb(146, 137, 249)}} << QRegion(3, 4, 1, 1);
    QTest::newRow("black") << Pixels{{{0, 0}, qRgb(0, 0, 0)}} << QRegion(0, 0, 1, 1);
    QTest::newRow("almost white stays")
        << Pixels{{{7, 5}, qRgb(255, 255, 254)}, {{1, 1}, qRgb(254, 255, 255)}}
        << (QRegion(7, 5, 1, 1) + QRegion(1, 1, 1, 1));
    QTest::newRow("transparent shows the white background")
        << Pixels{{{2, 2}, qRgba(0, 0, 255, 0)}} << QRegion();
    QTest::newRow("half transparent colour stays")
        << Pixels{{{2, 2}, qRgba(0, 0, 128, 128)}} << QRegion(2, 2, 1, 1);
    QTest::newRow("a run along a row")
        << Pixels{{{2, 3}, qRgb(1, 2, 3)}, {{3, 3}, qRgb(1, 2, 3)}, {{4, 3}, qRgb(1, 2, 3)}}
        << QRegion(2, 3, 3, 1);
}

void ScreensTest::opaqueRegionOfSmallPictures() {
    QFETCH(Pixels, pixels);
    QFETCH(QRegion, expected);
    QImage picture(8, 6, QImage::Format_ARGB32);
    picture.fill(kWhite);
    for (const auto& [at, colour] : pixels)
        picture.setPixel(at, colour);
    const QSize size = picture.size();
    QCOMPARE(regionImage(opaqueRegion(picture), size), regionImage(expected, size));
}

void ScreensTest::bannerMaskLeavesOutExactlyTheWhitePixels() {
    const QImage window = bannerWindow();
    const QImage inside = regionImage(opaqueRegion(window), window.size());
    int white = 0;
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const bool isWhite = window.pixel(x, y) == kWhite;
            white += isWhite;
            if (isWhite != (inside.pixel(x, y) == kWhite))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
    // The picture has both: a see-through background and opaque shapes.
    QVERIFY(white > window.width() * window.height() / 4);
    QVERIFY(white < window.width() * window.height() * 3 / 4);

    // The screen uses that mask, so its corners let clicks through and its middle does not.
    QPointer<StartupScreen> screen = new StartupScreen;
    QCOMPARE(regionImage(screen->mask(), window.size()), inside);
    QVERIFY(!screen->mask().contains(QPoint(0, 0)));
    QVERIFY(!screen->mask().contains(QPoint(438, 340)));
    QVERIFY(screen->mask().contains(QPoint(215, 150)));
    delete screen;
}

void ScreensTest::startupScreenHandsOverOnceAtTheFirstTick() {
    QPointer<StartupScreen> screen = new StartupScreen(50);
    QWidget mainWindow;
    int handOvers = 0;
    bool screenGoneFirst = false;
    connect(screen, &StartupScreen::handOver, &mainWindow, [&] {
        ++handOvers;
        screenGoneFirst = screen.isNull() || !screen->isVisible();
        mainWindow.show();
    });
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QCOMPARE(handOvers, 0);
    QVERIFY(!mainWindow.isVisible());

    QTRY_COMPARE(handOvers, 1);
    QVERIFY(screenGoneFirst);
    QVERIFY(mainWindow.isVisible());
    QTRY_VERIFY(screen.isNull()); // unloaded, not just hidden
    QTest::qWait(200);            // several intervals later: still only once
    QCOMPARE(handOvers, 1);
}

// About one second, counted from the load rather than from the first paint.
void ScreensTest::startupScreenTimerRunsFromLoad() {
    StartupScreen* screen = new StartupScreen;
    const auto* timer = screen->findChild<QTimer*>();
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    delete screen;
}

void ScreensTest::aboutScreenIsModalAndCloses_data() {
    QTest::addColumn<QString>("input");
    for (const char* input :
         {"left click", "right click", "letter", "Shift alone", "Escape", "Tab", "Enter", "Ctrl+P"})
        QTest::newRow(input) << QString::fromLatin1(input);
}

// Any click or key closes the screen, and while it is open it holds the input: a
// shortcut of the window below does not fire.
void ScreensTest::aboutScreenIsModalAndCloses() {
    QFETCH(QString, input);
    QWidget mainWindow;
    QAction print(&mainWindow);
    print.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print.setShortcutContext(Qt::ApplicationShortcut);
    mainWindow.addAction(&print);
    QSignalSpy printed(&print, &QAction::triggered);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    AboutScreen about(&mainWindow);
    bool wasModal = false;
    QTimer::singleShot(0, &about, [&] {
        wasModal = QApplication::activeModalWidget() == &about;
        if (input == QLatin1String("left click"))
            QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(200, 150));
        else if (input == QLatin1String("right click"))
            QTest::mouseClick(&about, Qt::RightButton, {}, QPoint(5, 5));
        else if (input == QLatin1String("letter"))
            QTest::keyClick(&about, Qt::Key_Q);
        else if (input == QLatin1String("Shift alone"))
            QTest::keyPress(&about, Qt::Key_Shift);
        else if (input == QLatin1String("Escape"))
            QTest::keyClick(&about, Qt::Key_Escape);
        else if (input == QLatin1String("Tab"))
            QTest::keyClick(&about, Qt::Key_Tab);
        else if (input == QLatin1String("Enter"))
            QTest::keyClick(&about, Qt::Key_Return);
        else if (input == QLatin1String("Ctrl+P"))
            QTest::keyClick(&about, Qt::Key_P, Qt::ControlModifier);
    });
    // Should the input not close it, end the wait instead of hanging.
    bool stillOpen = false;
    QTimer::singleShot(3000, &about, [&] {
        stillOpen = about.isVisible();
        about.reject();
    });
    about.exec(); // returns only once the screen has closed
    QVERIFY(wasModal);
    QVERIFY(!stillOpen);
    QVERIFY(!about.isVisible());
    QCOMPARE(printed.count(), 0);
}

void ScreensTest::aboutScreenIsFramedInItsOutlineColour() {
    AboutScreen about;
    QCOMPARE(about.size(), QSize(377, 297));
    const QImage shot = about.grab().toImage();
    const QRgb outline = qRgb(0x80, 0x80, 0xFF);
    for (const QPoint at : {QPoint(0, 0), QPoint(188, 0), QPoint(376, 0), QPoint(376, 148),
                            QPoint(376, 296), QPoint(188, 296), QPoint(0, 296), QPoint(0, 148)})
        QCOMPARE(shot.pixel(at), outline);
    // One pixel wide: the picture shows right inside it.
    QVERIFY(shot.pixel(1, 148) != outline);
    QVERIFY(shot.pixel(188, 295) != outline);
}

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
