#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>

#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;

namespace {

// Fusion's usual dark scheme: light text on dark grounds.
QPalette darkPalette() {
    QPalette dark;
    const QColor ground(53, 53, 53);
    const QColor field(35, 35, 35);
    dark.setColor(QPalette::Window, ground);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, field);
    dark.setColor(QPalette::AlternateBase, ground);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, ground);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, field);
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// Inside a control's edges: the colour most pixels have (the ground) and the
// lightness of the pixel that stands out most from it (the text).
std::pair<int, int> inkAndGround(QWidget* control, const QMargins& edges) {
    const QImage shot = control->grab().toImage();
    const QRect inside = shot.rect().marginsRemoved(edges);
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y)];
    const QRgb common =
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    const int ground = QColor(common).lightness();
    int ink = ground;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
        const int lightness = QColor(*it).lightness();
        if (std::abs(lightness - ground) > std::abs(ink - ground))
            ink = lightness;
    }
    return {ink, ground};
}

} // namespace

// The window's pictures are light: under a dark desktop scheme its texts must
// stay dark on light, as they were designed.
class PaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }

    void init() {
        window_ = openMainWindow();
        QTest::keyClicks(part(*window_, "tx0"), "2");
        QTest::keyClicks(part(*window_, "tx1"), "-4");
        QTest::keyClicks(part(*window_, "setx"), "3");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
    }
    void cleanup() { window_.reset(); }

    void textsStayDarkOnLight_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QMargins>("edges"); // what frames and the chooser's arrow take up
        for (const char* name : {"Label2", "labelv", "llabs0", "llabs1", "lb0", "Frame1"})
            QTest::newRow(name) << name << QMargins();
        for (const char* name : {"tx0", "tx1", "setx", "setdata", "lis"})
            QTest::newRow(name) << name << QMargins(3, 3, 3, 3);
        QTest::newRow("combotype") << "combotype" << QMargins(3, 3, 30, 3);
    }
    void textsStayDarkOnLight() {
        QFETCH(QString, name);
        QFETCH(QMargins, edges);
        const auto [ink, ground] = inkAndGround(part(*window_, name.toLatin1().constData()), edges);
        QVERIFY2(ink < 80, qPrintable(QStringLiteral("text lightness %1").arg(ink)));
        QVERIFY2(ground > 190, qPrintable(QStringLiteral("ground lightness %1").arg(ground)));
    }

    // The boxes, the list and the plotting area keep a light ground everywhere.
    void groundsStayLight_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"tx0", "setx", "setdata", "lis", "pic"})
            QTest::newRow(name) << name;
    }
    void groundsStayLight() {
        QFETCH(QString, name);
        QWidget* control = part(*window_, name.toLatin1().constData());
        const QImage shot = control->grab().toImage();
        const QColor middle = shot.pixelColor(shot.width() - 6, shot.height() / 4);
        QVERIFY2(middle.lightness() > 190, qPrintable(middle.name()));
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
