// The window's exports are the command line's: the same steps give the same
// SVG file and the same worksheet text, and the plotting area offers them.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

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

private:
    std::unique_ptr<oltrave::MainWindow> window_;
};

QTEST_MAIN(WindowExportsTest)
#include "window_exports_test.moc"
