// The window's exports are the command line's: the same steps give the same
// SVG file and the same worksheet text, and the plotting area offers them.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <cmath>
#include <memory>
#include <utility>

#include "ui/mainwindow.h"

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);

QByteArray runProgram(const QStringList& arguments) {
    QProcess process;
    process.start(kProgram, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

QByteArray pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// The first page as a picture, at a resolution that shows the marks.
QImage pdfPage(const QString& path) {
    const QString stem = path + QStringLiteral(".page");
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), path, stem});
    process.waitForFinished(60000);
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QAction* contextAction(QWidget* widget, const QString& name) {
    for (QAction* action : widget->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

// Answers the save dialog the action opens with path.
void saveThrough(QAction* action, const QString& path) {
    QTimer::singleShot(0, qApp, [path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    QTimer::singleShot(5000, qApp, [] {
        if (QWidget* stuck = QApplication::activeModalWidget())
            stuck->close();
    });
    action->trigger();
}

// How many points of the SVG's polylines lie on y = x² - 2x - 3 drawn at
// zoom drawnAt, and how many points there are.
std::pair<int, int> pointsOnQuadratic(const QString& path, double drawnAt) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    QXmlStreamReader xml(&file);
    QSizeF size;
    int on = 0;
    int total = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            size =
                QSizeF(attributes.value("width").toDouble(), attributes.value("height").toDouble());
        } else if (xml.name() == QLatin1String("polyline")) {
            for (const QString& pair : attributes.value("points").toString().split(' ')) {
                const QStringList xy = pair.split(',');
                // The area keeps its pixels when the scale changes: a curve
                // drawn at one zoom stays where that zoom put it.
                const double x = drawnAt * (2 * xy[0].toDouble() / size.width() - 1);
                const double y = x * x - 2 * x - 3;
                const double row = (drawnAt - y) / (2 * drawnAt) * size.height();
                on += std::fabs(row - xy[1].toDouble()) < 0.1;
                ++total;
            }
        }
    }
    return {on, total};
}

} // namespace

class WindowExportsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<oltrave::MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        auto* chooser = window_->findChild<QWidget*>(QStringLiteral("combotype"));
        QVERIFY(chooser);
        QMetaObject::invokeMethod(chooser, "activated", Q_ARG(int, 1));
        const QStringList boxes{"1", "-2", "-3"};
        for (int box = 0; box < boxes.size(); ++box) {
            auto* edit = window_->findChild<QLineEdit*>(QStringLiteral("tx%1").arg(box));
            edit->selectAll();
            QTest::keyClicks(edit, boxes[box]);
        }
        auto* x = window_->findChild<QLineEdit*>(QStringLiteral("tx0"));
        QTest::keyClick(x, Qt::Key_Return);
        auto* setx = window_->findChild<QLineEdit*>(QStringLiteral("setx"));
        QTest::keyClicks(setx, "3");
        QTest::keyClick(setx, Qt::Key_Return);
    }
    void cleanup() { window_.reset(); }

    void svgFromTheWindowIsTheCommandLines() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fromWindow = dir.filePath(QStringLiteral("window.svg"));
        const QString fromCommand = dir.filePath(QStringLiteral("command.svg"));
        runProgram({"render", "-o", fromCommand, "--at", "3", "quadratic", "1", "-2", "-3"});
        saveThrough(window_->findChild<QAction*>(QStringLiteral("fileexportsvg")), fromWindow);
        QVERIFY(!contents(fromWindow).isEmpty());
        QCOMPARE(contents(fromWindow), contents(fromCommand));
    }

    // With View > Key Points on, the SVG holds the same marks render --keypoints draws.
    void svgWithKeyPointsIsTheCommandLines() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fromWindow = dir.filePath(QStringLiteral("window.svg"));
        const QString fromCommand = dir.filePath(QStringLiteral("command.svg"));
        runProgram({"render", "--keypoints", "-o", fromCommand, "--at", "3", "quadratic", "1", "-2",
                    "-3"});
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        saveThrough(window_->findChild<QAction*>(QStringLiteral("fileexportsvg")), fromWindow);
        QVERIFY(contents(fromWindow).contains("id=\"marks\""));
        QCOMPARE(contents(fromWindow), contents(fromCommand));
    }

    // A wheel notch redraws the area alone; the SVG exported after it still
    // holds the curve at the new zoom.
    void svgAfterAWheelNotchIsAtTheNewZoom() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("wheel.svg"));
        wheelIn();
        saveThrough(window_->findChild<QAction*>(QStringLiteral("fileexportsvg")), path);
        const auto [onFive, total] = pointsOnQuadratic(path, 5);
        QVERIFY(total > 10);
        QCOMPARE(onFive, total);
    }

    // A Print at another zoom after a notch adds its curve at that zoom
    // beside the one the notch drew, as the area shows both.
    void svgAfterANotchAndAPrintHoldsBoth() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("both.svg"));
        wheelIn();
        auto* zoom = window_->findChild<QLineEdit*>(QStringLiteral("setdata"));
        zoom->selectAll();
        QTest::keyClicks(zoom, "20");
        QTest::keyClick(window_->findChild<QLineEdit*>(QStringLiteral("tx0")), Qt::Key_Return);
        saveThrough(window_->findChild<QAction*>(QStringLiteral("fileexportsvg")), path);
        const auto [drawnAtFive, all] = pointsOnQuadratic(path, 5);
        const int drawnAtTwenty = pointsOnQuadratic(path, 20).first;
        QVERIFY(drawnAtFive > 10);
        QVERIFY(drawnAtTwenty > 10);
        QVERIFY(drawnAtFive + drawnAtTwenty >= all); // a point may lie on both
    }

    void worksheetFromTheContextMenuIsTheCommandLines() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: tools/setup.sh installs it");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fromWindow = dir.filePath(QStringLiteral("window.pdf"));
        const QString fromCommand = dir.filePath(QStringLiteral("command.pdf"));
        runProgram({"render", "-o", fromCommand, "--at", "3", "quadratic", "1", "-2", "-3"});
        auto* pic = window_->findChild<QWidget*>(QStringLiteral("pic"));
        QAction* exportPdf = contextAction(pic, QStringLiteral("exportpdf"));
        QVERIFY(exportPdf);
        QVERIFY(contextAction(pic, QStringLiteral("exportsvg")));
        QVERIFY(contextAction(pic, QStringLiteral("printworksheet")));
        saveThrough(exportPdf, dir.filePath(QStringLiteral("window"))); // the suffix is added
        QVERIFY(contents(fromWindow).startsWith("%PDF"));
        QCOMPARE(pdfText(fromWindow), pdfText(fromCommand));
    }

    // With View > Key Points on, the worksheet's page is the picture
    // render --keypoints makes, marks and all.
    void worksheetWithKeyPointsLooksLikeTheCommandLines() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: tools/setup.sh installs it");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fromWindow = dir.filePath(QStringLiteral("window.pdf"));
        const QString fromCommand = dir.filePath(QStringLiteral("command.pdf"));
        runProgram({"render", "--keypoints", "-o", fromCommand, "--at", "3", "quadratic", "1", "-2",
                    "-3"});
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        auto* pic = window_->findChild<QWidget*>(QStringLiteral("pic"));
        saveThrough(contextAction(pic, QStringLiteral("exportpdf")), fromWindow);
        const QImage window = pdfPage(fromWindow);
        const QImage command = pdfPage(fromCommand);
        QVERIFY(!window.isNull());
        QCOMPARE(window, command);
        // The marks are there to compare: the page differs from one without them.
        window_->findChild<QAction*>(QStringLiteral("keypoints"))->trigger();
        const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
        saveThrough(contextAction(pic, QStringLiteral("exportpdf")), plain);
        QVERIFY(!pdfPage(plain).isNull());
        QVERIFY(pdfPage(plain) != command);
    }

private:
    // One notch in over the plotting area: zoom 10 becomes 5.
    void wheelIn() {
        auto* pic = window_->findChild<QWidget*>(QStringLiteral("pic"));
        QVERIFY(QMetaObject::invokeMethod(pic, "wheelTurned", Q_ARG(int, 1)));
        QCOMPARE(window_->findChild<QLineEdit*>(QStringLiteral("setdata"))->text(),
                 QStringLiteral("5"));
    }

    std::unique_ptr<oltrave::MainWindow> window_;
};

QTEST_MAIN(WindowExportsTest)
#include "window_exports_test.moc"
