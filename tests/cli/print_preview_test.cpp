// File > Print Preview shows the pages the exported PDF holds: each preview
// page, drawn off screen, looks like the PDF's page drawn by poppler.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "ui/mainwindow.h"

namespace {

constexpr int kWidth = 210; // pixels across an A4 page: one a millimetre

// Answers the save dialog the action opens with path.
void saveThrough(QAction* action, const QString& path) {
    QTimer::singleShot(0, qApp, [path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    action->trigger();
}

QImage grey(const QImage& image) {
    return image.convertToFormat(QImage::Format_Grayscale8)
        .scaledToWidth(kWidth, Qt::SmoothTransformation);
}

QList<QImage> pdfPages(const QString& path, const QString& stem) {
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
                   QStringLiteral("-png"), path, stem});
    process.waitForFinished(60000);
    QList<QImage> pages;
    QDir dir = QFileInfo(stem).dir();
    QStringList names =
        dir.entryList({QFileInfo(stem).fileName() + QStringLiteral("-*.png")}, QDir::Files);
    std::sort(names.begin(), names.end());
    for (const QString& name : names)
        pages << grey(QImage(dir.filePath(name)));
    return pages;
}

// The preview's pages, top to bottom, each its paper alone.
QList<QImage> previewPages(QPrintPreviewWidget& preview) {
    auto* view = preview.findChild<QGraphicsView*>();
    QList<QGraphicsItem*> items = view ? view->scene()->items() : QList<QGraphicsItem*>();
    // A page's item reaches a border past its paper on each side, for its shadow.
    items.removeIf([](QGraphicsItem* item) { return item->boundingRect().left() >= 0; });
    std::sort(items.begin(), items.end(), [](QGraphicsItem* a, QGraphicsItem* b) {
        return a->scenePos().y() < b->scenePos().y();
    });
    QList<QImage> pages;
    for (QGraphicsItem* item : items) {
        const QRectF bounds = item->boundingRect();
        const qreal border = -bounds.left();
        const QRectF paper(0, 0, bounds.width() - 2 * border, bounds.height() - 2 * border);
        const QRectF source = item->mapRectToScene(paper);
        QImage image(QSize(kWidth * 4, qRound(kWidth * 4 * paper.height() / paper.width())),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        view->scene()->render(&painter, QRectF(image.rect()), source);
        painter.end();
        pages << grey(image);
    }
    return pages;
}

// The mean difference of two grey pictures of one size, 0 to 255.
double difference(const QImage& a, const QImage& b) {
    const int height = std::min(a.height(), b.height());
    double total = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int x = 0; x < kWidth; ++x)
            total += std::abs(p[x] - q[x]);
    }
    return total / (static_cast<double>(height) * kWidth);
}

} // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void previewShowsThePdfsPages() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: tools/setup.sh installs it");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto window = std::make_unique<oltrave::MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QMetaObject::invokeMethod(window->findChild<QWidget*>(QStringLiteral("combotype")),
                                  "activated", Q_ARG(int, 1));
        const QStringList boxes{"1", "-2", "-3"};
        for (int box = 0; box < boxes.size(); ++box) {
            auto* edit = window->findChild<QLineEdit*>(QStringLiteral("tx%1").arg(box));
            edit->selectAll();
            QTest::keyClicks(edit, boxes[box]);
        }
        QTest::keyClick(window->findChild<QLineEdit*>(QStringLiteral("tx0")), Qt::Key_Return);
        // Enough lines for a second page.
        auto* setx = window->findChild<QLineEdit*>(QStringLiteral("setx"));
        for (int x = 1; x <= 70; ++x) {
            setx->selectAll();
            QTest::keyClicks(setx, QString::number(x));
            QTest::keyClick(setx, Qt::Key_Return);
        }

        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        saveThrough(window->findChild<QAction*>(QStringLiteral("fileexportpdf")), pdf);
        const QList<QImage> printed = pdfPages(pdf, dir.filePath(QStringLiteral("page")));
        QCOMPARE(printed.size(), 2);

        window->findChild<QAction*>(QStringLiteral("fileprintpreview"))->trigger();
        auto* dialog = window->findChild<QPrintPreviewDialog*>(QStringLiteral("printpreview"));
        QVERIFY(dialog);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        QTRY_COMPARE(preview->pageCount(), 2);
        QTest::qWait(50);
        const QList<QImage> shown = previewPages(*preview);
        QCOMPARE(shown.size(), printed.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const double same = difference(shown[i], printed[i]);
            // Two renderers draw the same text a little differently, but a page
            // of other lines, or the same lines moved, is far off.
            const double other = difference(shown[i], printed[(i + 1) % printed.size()]);
            QVERIFY2(same < 4, qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(same)));
            QVERIFY2(other > 2 * same,
                     qPrintable(QStringLiteral("page %1: %2 %3").arg(i + 1).arg(same).arg(other)));
        }
        dialog->close();
    }

    // File > New Practice Set previews the set oltrave exercises writes for
    // the same choices: as many pages, and each looks the same.
    void practiceSetPreviewIsTheCommandsSet() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: tools/setup.sh installs it");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("set.pdf"));
        QProcess program;
        program.start(QStringLiteral(OLTRAVE_PROGRAM), {"exercises", "--count", "4", "--seed", "31",
                                                        "--families", "quadratic,sine", "-o", pdf});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QList<QImage> printed = pdfPages(pdf, dir.filePath(QStringLiteral("set")));
        QVERIFY(printed.size() >= 2);

        auto window = std::make_unique<oltrave::MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTimer::singleShot(0, qApp, [] {
            auto* asked = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!asked)
                return;
            asked->findChild<QSpinBox*>(QStringLiteral("practicecount"))->setValue(4);
            asked->findChild<QLineEdit*>(QStringLiteral("practiceseed"))->setText("31");
            for (int family = 0; family < 8; ++family)
                asked->findChild<QCheckBox*>(QStringLiteral("practicefamily%1").arg(family))
                    ->setChecked(family == 1 || family == 3);
            asked->accept();
        });
        window->findChild<QAction*>(QStringLiteral("filepracticeset"))->trigger();
        auto* dialog = window->findChild<QPrintPreviewDialog*>(QStringLiteral("printpreview"));
        QVERIFY(dialog);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QTRY_COMPARE(preview->pageCount(), static_cast<int>(printed.size()));
        QTest::qWait(50);
        const QList<QImage> shown = previewPages(*preview);
        QCOMPARE(shown.size(), printed.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const double same = difference(shown[i], printed[i]);
            QVERIFY2(same < 4, qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(same)));
        }
        dialog->close();
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
