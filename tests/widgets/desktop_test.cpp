#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/canvaswidget.h"
#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;

namespace {

const QColor kCurve(146, 137, 249);

QString clipboard() {
    return QGuiApplication::clipboard()->text();
}

bool hasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

// What a desktop user expects beyond the window's own rules: copying results,
// saving the plot, and names for a screen reader.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = openMainWindow();
        list_ = part<QListView>(*window_, "lis");
    }
    void cleanup() { window_.reset(); }

    void copyTakesTheSelectedLinesInListOrder() {
        plotLine();
        QCOMPARE(rowCount(*list_), 4);
        list_->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(list_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QStringLiteral("before")); // nothing selected, nothing copied

        clickLine(2, Qt::NoModifier);
        clickLine(0, Qt::ControlModifier);
        QTest::keyClick(list_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), rowText(*list_, 0) + '\n' + rowText(*list_, 2));

        // Selecting changes nothing the window shows or holds.
        QCOMPARE(rowCount(*list_), 4);
        QCOMPARE(rowText(*list_, 0), QStringLiteral("y = 2 x + 1"));
        QVERIFY(window_->form().plotted());
    }

    void copyAllTakesEveryLine() {
        plotLine();
        clickLine(1, Qt::NoModifier);
        action(list_, "Copy All")->trigger();
        QStringList lines;
        for (int row = 0; row < rowCount(*list_); ++row)
            lines << rowText(*list_, row);
        QCOMPARE(clipboard(), lines.join('\n'));

        part<QLineEdit>(*window_, "tx0")->setFocus();
        QTest::keyClick(part(*window_, "tx0"), Qt::Key_Delete, Qt::ShiftModifier); // clear all
        action(list_, "Copy All")->trigger();
        QCOMPARE(clipboard(), lines.join('\n')); // an empty list leaves the clipboard alone
    }

    // In exact mode the decimal line stays at hand as the line's tooltip, and
    // copying takes the lines as shown.
    void exactLinesCarryTheirDecimalLineAndCopyAsShown() {
        window_->findChild<QAction*>("exact")->trigger();
        QTest::keyClicks(part(*window_, "tx0"), "3");
        QTest::keyClicks(part(*window_, "tx1"), "-1");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QCOMPARE(rowCount(*list_), 4);
        QCOMPARE(rowText(*list_, 2), QStringLiteral("    [ y = 0 ] x = 1/3"));
        QCOMPARE(rowText(*list_, 2, Qt::ToolTipRole),
                 QStringLiteral("    [ y = 0 ] x = 0.333333333333333"));
        QCOMPARE(rowText(*list_, 3, Qt::ToolTipRole), QStringLiteral("    Range : R"));
        clickLine(2, Qt::NoModifier);
        QTest::keyClick(list_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), QStringLiteral("    [ y = 0 ] x = 1/3"));

        // Off again: the next lines are the decimal program's, without a tooltip.
        window_->findChild<QAction*>("exact")->trigger();
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QCOMPARE(rowCount(*list_), 8);
        QCOMPARE(rowText(*list_, 2), QStringLiteral("    [ y = 0 ] x = 1/3"));
        QCOMPARE(rowText(*list_, 6), QStringLiteral("    [ y = 0 ] x = 0.333333333333333"));
        QCOMPARE(rowText(*list_, 6, Qt::ToolTipRole), QString());
    }

    // Ctrl+A stays the Calculate shortcut inside the list.
    void ctrlAInTheListCalculatesAndSelectsNothing() {
        plotLine();
        clickLine(3, Qt::NoModifier);
        QTest::keyClick(list_, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(rowCount(*list_), 5);
        QCOMPARE(list_->selectionModel()->selectedIndexes().size(), 1);
    }

    void saveImageWritesThePlottingAreaAsPng() {
        plotLine();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("plot.png");
        const auto& canvas = window_->canvas();
        QCOMPARE(canvas.saveImage(path), QString());

        QImage saved;
        QVERIFY(saved.load(path, "PNG"));
        QCOMPARE(saved.size(), canvas.contentsRect().size() * canvas.devicePixelRatioF());
        const QColor axes = canvas.palette().color(QPalette::WindowText);
        const QPoint centre(saved.width() / 2, saved.height() / 2);
        QCOMPARE(saved.pixelColor(centre.x() / 4, centre.y()), axes);     // x axis
        QCOMPARE(saved.pixelColor(centre.x(), saved.height() / 8), axes); // y axis
        QCOMPARE(saved.pixelColor(2, 2), canvas.image().pixelColor(2, 2));
        QVERIFY(hasColour(saved, kCurve));

        QVERIFY(!canvas.saveImage(dir.filePath("missing folder/plot.png")).isEmpty());
    }

    // Through the context menu's dialog, which adds the extension when it is left out.
    void saveImageAsksWhereToSave() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QAction* save = action(part(*window_, "pic"), "Save Image...");
        QTimer::singleShot(0, window_.get(), [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(dir.filePath("curve"));
                static_cast<QDialog*>(dialog)->accept(); // public there
            }
        });
        QTimer::singleShot(3000, window_.get(), [] {
            if (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        save->trigger();
        QImage saved;
        QVERIFY(saved.load(dir.filePath("curve.png"), "PNG"));
        QCOMPARE(saved, window_->canvas().image().convertToFormat(saved.format()));
    }

    void controlsCarryNamesForScreenReaders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("announced");
        QTest::newRow("prt") << "prt" << 0 << "Print";
        QTest::newRow("rprt") << "rprt" << 0 << "RePrint";
        QTest::newRow("cleara") << "cleara" << 0 << "Clear";
        QTest::newRow("calc") << "calc" << 0 << "Calculate";
        QTest::newRow("llabs0") << "llabs0" << 0 << "f(x)";
        QTest::newRow("llabs1") << "llabs1" << 0 << "|f(x)|";
        QTest::newRow("llabs2") << "llabs2" << 0 << "f(|x|)";
        QTest::newRow("tx0 linear") << "tx0" << 0 << "k";
        QTest::newRow("tx1 linear") << "tx1" << 0 << "b";
        QTest::newRow("tx1 sine") << "tx1" << 3 << QStringLiteral("ω");
        QTest::newRow("tx3 cubic") << "tx3" << 2 << "d";
        QTest::newRow("setx") << "setx" << 0 << "x";
        QTest::newRow("setdata") << "setdata" << 0 << "Zoom";
    }
    void controlsCarryNamesForScreenReaders() {
        QFETCH(QString, name);
        QFETCH(int, family);
        QFETCH(QString, announced);
        emit part<QComboBox>(*window_, "combotype")->activated(family);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(part(*window_, name.toLatin1().constData()));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), announced);
    }

private:
    void plotLine() {
        QTest::keyClicks(part(*window_, "tx0"), "2");
        QTest::keyClicks(part(*window_, "tx1"), "1");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
    }

    void clickLine(int row, Qt::KeyboardModifiers modifiers) {
        const QRect at = list_->visualRect(list_->model()->index(row, 0));
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, modifiers, at.center());
    }

    static QAction* action(QWidget* widget, const QString& caption) {
        if (widget->contextMenuPolicy() != Qt::ActionsContextMenu)
            qFatal("no context menu on %s", qPrintable(widget->objectName()));
        for (QAction* candidate : widget->actions())
            if (candidate->text() == caption)
                return candidate;
        qFatal("no context menu item %s", qPrintable(caption));
    }

    std::unique_ptr<MainWindow> window_;
    QListView* list_ = nullptr;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
