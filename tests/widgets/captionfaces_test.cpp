#include <QFontMetricsF>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cstdlib>

#include "platform/captionfaces.h"
#include "ui/fontfitting.h"
#include "ui/mainwindow.h"

namespace cf = oltrave::captionfaces;

namespace {

const QString kFace = QStringLiteral("Open Sans Semibold");

// The pixel sizes of the window's face the toolkit matched a font for, read
// from its own log of font matching.
QSet<int> matchedSizes;
QString request;
QtMessageHandler previousHandler = nullptr;

void listenToMatching(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (QLatin1String(context.category) != QLatin1String("qt.text.font.match")) {
        previousHandler(type, context, message);
        return;
    }
    request += message;
    static const QRegularExpression asked(
        QStringLiteral("family: ([^\\[]*) \\[.*pixelSize: (\\d+)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = asked.match(message);
    if (match.hasMatch() && match.captured(1).trimmed() == kFace)
        matchedSizes.insert(match.captured(2).toInt());
}

QFont sized(qreal points, int pixels = 0) {
    QFont font = oltrave::semibold(kFace, points);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

QImage blank() {
    QImage image(240, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class CaptionFacesTest : public QObject {
    Q_OBJECT

private slots:
    // First, before anything else in this process has loaded a font: the
    // window's captions cost the toolkit a font match only for the sizes its
    // text boxes need.
    void theWindowMatchesOnlyTheTextBoxesSizes() {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=true"));
        previousHandler = qInstallMessageHandler(listenToMatching);
        {
            oltrave::MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCoreApplication::processEvents();
            QVERIFY(window.grab().width() > 0);
        }
        qInstallMessageHandler(previousHandler);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=false"));
        if (request.isEmpty())
            QSKIP("this toolkit does not log its font matching");
        if (!QFontDatabase::families().contains(kFace))
            QSKIP("Open Sans Semibold is not installed");
        QCOMPARE(matchedSizes, QSet<int>({14, 12}));
    }

    void drawsAsTheToolkitDraws_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("text");
        const int left = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs;
        const QRect room(6, 4, 200, 28);
        QTest::newRow("a caption, 12 pt") << sized(12) << room << left << "Type*";
        QTest::newRow("the formula, centred")
            << sized(12) << room << int(Qt::AlignCenter) << "y = a x² + b x + c";
        QTest::newRow("the chooser, fitted")
            << sized(8.5) << room << left << "Logarithmic Function";
        QTest::newRow("13.87 pixels are 14") << sized(10.4) << room << left << "Zoom";
        QTest::newRow("13 pixels")
            << sized(9, 13) << room << int(Qt::AlignRight | Qt::AlignBottom) << "Calculate";
        QTest::newRow("spaces around, 9 pt") << sized(9) << room << left << " x = ";
        QTest::newRow("clipped by a low room")
            << sized(12) << QRect(6, 4, 200, 9) << left << "RePrint";
        QTest::newRow("clipped by a narrow room")
            << sized(12) << QRect(6, 4, 30, 28) << int(Qt::AlignHCenter | Qt::AlignTop)
            << "Exponential";
        QTest::newRow("not clipped when told")
            << sized(12) << QRect(6, 4, 30, 9) << int(left | Qt::TextDontClip) << "Exponential";
    }

    // Pixel for pixel, and measured alike.
    void drawsAsTheToolkitDraws() {
        QFETCH(QFont, font);
        QFETCH(QRect, rect);
        QFETCH(int, flags);
        QFETCH(QString, text);
        cf::setBase(sized(10.5));
        QImage ours = blank();
        QImage toolkits = blank();
        {
            QPainter painter(&ours);
            painter.setFont(font);
            QVERIFY(cf::drawText(painter, rect, flags, text));
        }
        {
            QPainter painter(&toolkits);
            painter.setFont(font);
            painter.drawText(rect, flags, text);
        }
        QCOMPARE(ours, toolkits);
        QCOMPARE(cf::advance(font, text), QFontMetricsF(font).horizontalAdvance(text));

        // The outline, as the buttons fill it.
        QPainterPath cut;
        QVERIFY(cf::addText(cut, QPointF(4.5, 21.5), font, text));
        QPainterPath whole;
        whole.addText(QPointF(4.5, 21.5), font, text);
        QImage cutFilled = blank();
        QImage wholeFilled = blank();
        for (auto [image, path] : {std::pair{&cutFilled, &cut}, std::pair{&wholeFilled, &whole}}) {
            QPainter painter(image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(*path, Qt::black);
        }
        // Each glyph is outlined at the origin and then moved, not outlined in
        // place: an edge pixel may come out a shade apart.
        for (int y = 0; y < cutFilled.height(); ++y)
            for (int x = 0; x < cutFilled.width(); ++x)
                QVERIFY2(std::abs(qRed(cutFilled.pixel(x, y)) - qRed(wholeFilled.pixel(x, y))) <= 3,
                         qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
    }

    // Whatever the cut sizes cannot show the same way is left to the toolkit.
    void leavesTheRestToTheToolkit() {
        cf::setBase(sized(10.5));
        QImage image = blank();
        QPainter painter(&image);
        const QRect room(0, 0, 200, 30);
        const auto refused = [&](const QFont& font, int flags, const QString& text) {
            painter.setFont(font);
            QPainterPath path;
            return !cf::drawText(painter, room, flags, text) &&
                   !cf::addText(path, QPointF(0, 20), font, text) && path.isEmpty();
        };
        QVERIFY(refused(sized(12), Qt::AlignLeft, QStringLiteral("绘图")));
        QVERIFY(refused(sized(12), Qt::AlignLeft, QStringLiteral("y = A Sin ( ω x + φ ) + M")));
        QVERIFY(refused(sized(12), Qt::AlignLeft, QStringLiteral("File(&F)")));
        QVERIFY(refused(sized(12), Qt::AlignLeft, QStringLiteral("two\nlines")));
        QFont otherFace = sized(12);
        otherFace.setFamily(QStringLiteral("DejaVu Sans"));
        QVERIFY(refused(otherFace, Qt::AlignLeft, QStringLiteral("Type*")));
        QFont underlined = sized(12);
        underlined.setUnderline(true);
        QVERIFY(refused(underlined, Qt::AlignLeft, QStringLiteral("Type*")));
        painter.setFont(sized(12));
        QVERIFY(!cf::drawText(painter, room, Qt::AlignLeft | Qt::TextWordWrap,
                              QStringLiteral("Type*")));
        QImage untouched = blank();
        painter.end();
        QCOMPARE(image, untouched);
    }
};

QTEST_MAIN(CaptionFacesTest)
#include "captionfaces_test.moc"
