#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>

#include "art.h"
#include "drawnart.h"
#include "platform/captionfaces.h"
#include "ui/fontfitting.h"
#include "ui/picturebutton.h"

namespace {

const QSize kButton(98, 26);
// The face inside the rounded outline, where the caption sits.
const QRect kFace(4, 3, 90, 20);

QImage drawn(const QString& caption) {
    oltrave::PictureButton button(QStringLiteral(":/art/button.svg"), caption);
    button.resize(kButton);
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The button as drawn when its caption was part of the picture, as outlines.
QImage reference(const QString& file) {
    QImage image(kButton, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, oltrave::renderArt(QStringLiteral(OLTRAVE_REFERENCE_DIR "/") + file));
    return image;
}

int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = kFace.top(); y <= kFace.bottom(); ++y) {
        for (int x = kFace.left(); x <= kFace.right(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > tolerance ||
                std::abs(p.green() - q.green()) > tolerance ||
                std::abs(p.blue() - q.blue()) > tolerance)
                ++count;
        }
    }
    return count;
}

// Where a caption left ink on its blank button.
QRect inkOf(const QImage& image, const QImage& blank) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != blank.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage drawnAt(const QString& caption, const QSize& size) {
    oltrave::PictureButton button(QStringLiteral(":/art/button.svg"), caption);
    button.resize(size);
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The captions are text now, drawn in the window's language; in English they look
// as the outlines did.
class ButtonCaptionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Captions kept by an earlier run would hide how they are drawn now.
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .removeRecursively();
        // As in the window: the captions' size is cut from the boxes' face.
        oltrave::captionfaces::setBase(
            oltrave::semibold(QStringLiteral("Open Sans Semibold"), 10.5));
    }

    void englishLooksAsTheOutlinesDid_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::newRow("print") << "Print"
                               << "button-print.svg";
        QTest::newRow("reprint") << "RePrint"
                                 << "button-reprint.svg";
        QTest::newRow("clear") << "Clear"
                               << "button-clear.svg";
        QTest::newRow("calculate") << "Calculate"
                                   << "button-calculate.svg";
    }
    void englishLooksAsTheOutlinesDid() {
        QFETCH(QString, caption);
        QFETCH(QString, file);
        const QImage expected = reference(file);
        const QImage actual = drawn(caption);
        // Edge pixels may differ a little in shade, hardly any by more.
        QVERIFY(differingPixels(actual, expected, 26) <= 2);
        QVERIFY(differingPixels(actual, expected, 64) == 0);
        // And the caption is there at all: the blank art differs.
        QVERIFY(differingPixels(drawn(QString()), expected, 26) > 100);
    }

    // The buttons draw the art the build drew; it must be the picture as Qt
    // draws it now, pixel for pixel, or the buttons would show a stale one.
    void artDrawnByTheBuildIsThePicture() {
        const QImage built(oltrave::drawnart::kPixels, oltrave::drawnart::kWidth,
                           oltrave::drawnart::kHeight, oltrave::drawnart::kBytesPerLine,
                           QImage::Format_ARGB32_Premultiplied);
        const QImage now = oltrave::renderArt(QLatin1String(oltrave::drawnart::kPicture),
                                              oltrave::drawnart::kRatio);
        QCOMPARE(built, now);
        QCOMPARE(QLatin1String(oltrave::drawnart::kPicture), QLatin1String(":/art/button.svg"));
        // And a blank button shows it as it is.
        oltrave::PictureButton button(QStringLiteral(":/art/button.svg"), QString());
        button.resize(kButton);
        QImage shown(kButton, QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        button.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(shown, now);
    }

    // Captions are kept between runs, each for its own text and button: none
    // shows on a button it was not drawn for.
    void keptCaptionsStayWithTheirButtons() {
        const QSize wide(140, 26);
        const QRect onNarrow =
            inkOf(drawnAt(QStringLiteral("Print"), kButton), drawnAt({}, kButton));
        const QRect onWide = inkOf(drawnAt(QStringLiteral("Print"), wide), drawnAt({}, wide));
        QCOMPARE(onWide.size(), onNarrow.size());
        QVERIFY(qAbs(onNarrow.center().x() - kButton.width() / 2) <= 1);
        QVERIFY(qAbs(onWide.center().x() - wide.width() / 2) <= 1);
        const QRect longer =
            inkOf(drawnAt(QStringLiteral("Calculate"), kButton), drawnAt({}, kButton));
        QVERIFY(longer.width() > onNarrow.width() + 10);
        // A button given another caption shows it.
        oltrave::PictureButton button(QStringLiteral(":/art/button.svg"), QStringLiteral("Print"));
        button.resize(kButton);
        button.grab();
        button.setText(QStringLiteral("Calculate"));
        QCOMPARE(inkOf(button.grab().toImage().convertToFormat(QImage::Format_RGB32),
                       drawnAt({}, kButton)),
                 longer);
        // The pictures are written for the next run when the program is idle.
        QTRY_VERIFY(QFile::exists(
            QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                .filePath(QStringLiteral("Oltrave/pictures"))));
    }

    // Chinese captions sit inside the face, not clipped by the outline.
    void chineseFitsTheFace() {
        for (const char* caption : {"绘图", "重新绘图", "清除", "计算"}) {
            const QImage blank = drawn(QString());
            const QImage image = drawn(QString::fromUtf8(caption));
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != blank.pixel(x, y))
                        ink |= QRect(x, y, 1, 1);
            QVERIFY2(kFace.contains(ink), caption);
            QVERIFY2(ink.width() > 20, caption);
        }
    }
};

QTEST_MAIN(ButtonCaptionTest)
#include "buttoncaption_test.moc"
