// Edit > Undo and Redo in the window: the items name their command, and the
// list comes back scrolled where it was.
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>

#include "windowparts.h"

using namespace oltrave;

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void itemsNameWhatTheyTakeBack() {
        auto* undo = window_->findChild<QAction*>("undo");
        auto* redo = window_->findChild<QAction*>("redo");
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo(&U)"));
        QTest::keyClicks(part<QLineEdit>(*window_, "tx0"), "2");
        window_->findChild<QAction*>("print")->trigger();
        window_->findChild<QAction*>("clear")->trigger();
        QCOMPARE(undo->text(), QStringLiteral("Undo Clear(&U)"));
        undo->trigger();
        QCOMPARE(undo->text(), QStringLiteral("Undo Print(&U)"));
        QCOMPARE(redo->text(), QStringLiteral("Redo Clear(&D)"));
        QCOMPARE(redo->shortcuts().size(), 2);
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowCount(*part<QListView>(*window_, "lis")), 0);
        QVERIFY(!redo->isEnabled());
    }

    // A person who scrolled back to the top and cleared finds the top again.
    void undoPutsTheListBackWhereItWas() {
        QTest::keyClicks(part<QLineEdit>(*window_, "tx0"), "2");
        auto* print = window_->findChild<QAction*>("print");
        for (int i = 0; i < 60; ++i)
            print->trigger();
        auto* list = part<QListView>(*window_, "lis");
        QTRY_VERIFY(list->verticalScrollBar()->value() > 0); // it follows the newest line
        list->verticalScrollBar()->setValue(3);
        const int rows = rowCount(*list);
        window_->findChild<QAction*>("clear")->trigger();
        QCOMPARE(rowCount(*list), 0);
        window_->findChild<QAction*>("undo")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(rowCount(*list), rows);
        QCOMPARE(list->verticalScrollBar()->value(), 3);
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
