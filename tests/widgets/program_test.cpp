#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/canvaswidget.h"
#include "ui/aboutscreen.h"
#include "ui/mainwindow.h"
#include "ui/plotwindow.h"
#include "ui/program.h"
#include "ui/startupscreen.h"

using namespace oltrave;

namespace {

const int kInterval = 50;

// Counts the times a main window is shown.
class ShowCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<MainWindow*>(watched))
            ++shown;
        return false;
    }
};

QList<StartupScreen*> startupScreens() {
    QList<StartupScreen*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<StartupScreen*>(widget))
            found << screen;
    return found;
}

MainWindow* waitForMainWindow(const Program& program) {
    if (!QTest::qWaitFor([&] { return program.mainWindow() && program.mainWindow()->isVisible(); }))
        return nullptr;
    return program.mainWindow();
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // The person's own settings are never read or written by these cases.
    void initTestCase() {
        QVERIFY(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    }

    void cleanup() {
        QTest::qWait(10); // lets the start-up screens of earlier cases go
        QVERIFY(startupScreens().isEmpty());
    }

    void startupScreenComesFirstThenOneMainWindow() {
        ShowCounter counter;
        qApp->installEventFilter(&counter);
        Program program(kInterval);
        QCOMPARE(startupScreens().size(), 1);
        QVERIFY(startupScreens().constFirst()->isVisible());
        QCOMPARE(startupScreens().constFirst()->size(), QSize(439, 341));
        QVERIFY(!program.mainWindow());

        MainWindow* window = waitForMainWindow(program);
        QVERIFY(window);
        QTRY_VERIFY(startupScreens().isEmpty()); // unloaded, not just hidden
        QTest::qWait(kInterval * 4);
        QCOMPARE(counter.shown, 1);
        QCOMPARE(program.mainWindow(), window);
        qApp->removeEventFilter(&counter);

        // The window's start-up ran: the linear family, zoom 10, the empty axes.
        QCOMPARE(window->form().family(), 0);
        QCOMPARE(window->findChild<QLineEdit*>("setdata")->text(), QStringLiteral("10"));
        QCOMPARE(window->findChild<QListView*>("lis")->model()->rowCount(), 0);
        QCOMPARE(window->canvas().lineCount(), 2);
        QVERIFY(!QApplication::windowIcon().isNull());
    }

    // The start-up screen closes before the main window shows; only the main window's
    // closing ends the program.
    void programEndsWithTheMainWindowOnly_data() {
        QTest::addColumn<bool>("closeMainWindow");
        QTest::newRow("main window left open") << false;
        QTest::newRow("main window closed") << true;
    }
    void programEndsWithTheMainWindowOnly() {
        QFETCH(bool, closeMainWindow);
        const int kStillRunning = 7;
        const int kNoMainWindow = 8;
        Program program(kInterval);
        // Waits for the main window however slow the machine, then acts.
        QTimer poll;
        connect(&poll, &QTimer::timeout, &program, [&] {
            if (!program.mainWindow() || !program.mainWindow()->isVisible())
                return;
            poll.stop();
            if (closeMainWindow)
                program.mainWindow()->close();
            QTimer::singleShot(kInterval * 6, &program, [] { QApplication::exit(kStillRunning); });
        });
        poll.start(10);
        QTimer::singleShot(10000, &program, [] { QApplication::exit(kNoMainWindow); });
        const int result = QApplication::exec();
        QVERIFY(program.mainWindow());
        QCOMPARE(result, closeMainWindow ? 0 : kStillRunning);
        QCOMPARE(program.mainWindow()->isVisible(), !closeMainWindow);
    }

    void exactValuesAreRememberedBetweenRuns() {
        {
            Program program(kInterval);
            MainWindow* window = waitForMainWindow(program);
            QVERIFY(window);
            QVERIFY(!window->exactValues()); // off when nothing is remembered
            window->findChild<QAction*>("exact")->trigger();
        }
        {
            Program program(kInterval);
            MainWindow* window = waitForMainWindow(program);
            QVERIFY(window);
            QVERIFY(window->exactValues());
            QVERIFY(window->form().exactValues());
            window->findChild<QAction*>("exact")->trigger();
        }
        Program program(kInterval);
        MainWindow* window = waitForMainWindow(program);
        QVERIFY(window);
        QVERIFY(!window->exactValues());
    }

    // Left open, the plot window opens again at the next start, once the main
    // window shows; closed, it stays closed.
    void plotWindowReopensAtTheNextStart() {
        const auto plotShown = [](MainWindow& window) {
            auto* plot = window.findChild<PlotWindow*>(QStringLiteral("plotwindowframe"));
            return plot && plot->isVisible();
        };
        {
            Program program(kInterval);
            MainWindow* window = waitForMainWindow(program);
            QVERIFY(window);
            QTest::qWait(50);
            QVERIFY(!plotShown(*window)); // closed when nothing is remembered
            window->findChild<QAction*>("plotwindow")->trigger();
            QTRY_VERIFY(plotShown(*window));
        }
        {
            Program program(kInterval);
            MainWindow* window = waitForMainWindow(program);
            QVERIFY(window);
            QTRY_VERIFY(plotShown(*window));
            window->findChild<PlotWindow*>(QStringLiteral("plotwindowframe"))->close();
            QVERIFY(!window->findChild<QAction*>("plotwindow")->isChecked());
        }
        Program program(kInterval);
        MainWindow* window = waitForMainWindow(program);
        QVERIFY(window);
        QTest::qWait(100);
        QVERIFY(!plotShown(*window));
    }

    void aboutScreenIsModalOverTheMainWindowAndCloses_data() {
        QTest::addColumn<QString>("input");
        for (const char* input : {"click", "Shift alone", "letter"})
            QTest::newRow(input) << QString::fromLatin1(input);
    }
    void aboutScreenIsModalOverTheMainWindowAndCloses() {
        QFETCH(QString, input);
        Program program(kInterval);
        MainWindow* window = waitForMainWindow(program);
        QVERIFY(window);

        QPointer<AboutScreen> about;
        bool blocksMainWindow = false;
        QTimer::singleShot(0, window, [&] {
            about = qobject_cast<AboutScreen*>(QApplication::activeModalWidget());
            if (!about)
                return;
            blocksMainWindow = about->isVisible() && about->parentWidget() == window &&
                               QApplication::activeModalWidget() == about;
            if (input == QLatin1String("click"))
                QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(30, 200));
            else if (input == QLatin1String("Shift alone"))
                QTest::keyPress(about, Qt::Key_Shift);
            else
                QTest::keyClick(about, Qt::Key_X);
        });
        // Should the input not close it, end the wait instead of hanging.
        bool stillOpen = false;
        QTimer::singleShot(3000, window, [&] {
            stillOpen = !about.isNull();
            if (about)
                about->reject();
        });
        window->findChild<QAction*>("informationabout")->trigger(); // returns once it closed
        QVERIFY(blocksMainWindow);
        QVERIFY(!stillOpen);
        QVERIFY(about.isNull()); // made anew for each use
        QVERIFY(!QApplication::activeModalWidget());
    }

private:
    QTemporaryDir settingsDir_;
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
