#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>

#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;

namespace {

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("-");
}

// A key pressed wherever the focus is, as a person at the keyboard does.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void type(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}

QImage look(QWidget* widget) {
    return widget->grab().toImage();
}

} // namespace

// Everything a person can do without a mouse, and what the mouse must not
// disturb on the way.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = openMainWindow();
        part(*window_, "combotype")->setFocus(Qt::TabFocusReason);
    }
    void cleanup() { window_.reset(); }

    void tabVisitsTheShownControlsInOrder_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QStringList>("order");
        const QStringList tail{"prt",     "rprt", "cleara", "setx",     "calc",
                               "setdata", "lis",  "pic",    "combotype"};
        QTest::newRow("linear: two boxes, modes")
            << 0 << QStringList{"tx0", "tx1", "llabs0"} + tail;
        QTest::newRow("cubic: four boxes, no modes")
            << 2 << QStringList{"tx0", "tx1", "tx2", "tx3"} + tail;
        QTest::newRow("quadratic: three boxes, modes")
            << 1 << QStringList{"tx0", "tx1", "tx2", "llabs0"} + tail;
    }
    void tabVisitsTheShownControlsInOrder() {
        QFETCH(int, family);
        QFETCH(QStringList, order);
        emit part<QComboBox>(*window_, "combotype")->activated(family);
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            press(Qt::Key_Tab);
            visited << focusName();
        }
        QCOMPARE(visited, order);

        QStringList back;
        for (qsizetype i = 0; i < order.size(); ++i) {
            press(Qt::Key_Tab, Qt::ShiftModifier);
            back.prepend(focusName());
        }
        QCOMPARE(back, QStringList{"combotype"} + order.mid(0, order.size() - 1));
    }

    // The session the keyboard must be able to carry out alone.
    void wholeSessionByKeyboard() {
        press(Qt::Key_Tab);
        type("2");
        press(Qt::Key_Tab);
        type("-4");
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("llabs0"));
        press(Qt::Key_Right);
        QCOMPARE(focusName(), QStringLiteral("llabs1"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("prt"));
        press(Qt::Key_Space);
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("setx"));
        type("3");
        press(Qt::Key_Tab);
        press(Qt::Key_Space);

        QCOMPARE(modeIndex(window_->form().absmode()), 1);
        QCOMPARE(
            rowTexts(*part<QListView>(*window_, "lis")),
            QStringList({"y = | 2 x - 4 |", "    Symmetry Axis : x = 2", "    [ x = 0 ] y = 4",
                         "    [ y = 0 ] x = 2", "    Range : [ 0 , + ∞ )", "    [ x = 3 ] y = 2"}));
    }

    void enterPressesAPictureButton() {
        QTest::keyClicks(part(*window_, "tx0"), "1");
        part(*window_, "prt")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QVERIFY(window_->form().plotted());
        part(*window_, "cleara")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!window_->form().plotted());
    }

    // Round the three, both ways; the arrows choose as they move.
    void arrowsMoveTheModeRoundTheGroup() {
        part(*window_, "llabs0")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Left);
        QCOMPARE(focusName(), QStringLiteral("llabs2"));
        QCOMPARE(modeIndex(window_->form().absmode()), 2);
        press(Qt::Key_Down);
        QCOMPARE(modeIndex(window_->form().absmode()), 0);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        QCOMPARE(focusName(), QStringLiteral("llabs1"));
        QCOMPARE(modeIndex(window_->form().absmode()), 1);

        // Only the chosen mode is a Tab stop.
        part(*window_, "tx1")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("llabs1"));
    }

    // The group's Tab stop is the chosen mode, however it was chosen.
    void tabReachesTheModeChosenByMouse() {
        QTest::mouseClick(part(*window_, "llabs2"), Qt::LeftButton);
        part(*window_, "tx1")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("llabs2"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("prt"));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusName(), QStringLiteral("llabs2"));
    }

    // The ring belongs to the keyboard: a click, a hover and a press leave the
    // picture as it is.
    void focusRingShowsOnlyForTheKeyboard_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("prt") << "prt";
        QTest::newRow("calc") << "calc";
        QTest::newRow("llabs0") << "llabs0";
    }
    void focusRingShowsOnlyForTheKeyboard() {
        QFETCH(QString, name);
        QWidget* control = part(*window_, name.toLatin1().constData());
        const QImage rest = look(control);
        QTest::mouseMove(control);
        QTest::mousePress(control, Qt::LeftButton);
        QCOMPARE(look(control), rest);
        QTest::mouseRelease(control, Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("combotype")); // a click takes no focus
        QCOMPARE(look(control), rest);

        control->setFocus(Qt::TabFocusReason);
        QVERIFY(look(control) != rest);
        press(Qt::Key_Tab);
        QCOMPARE(look(control), rest);
    }

    // Backspace empties the box, the guard writes "1" and selects it.
    void zoomGuardsOneGivesWayToTheNextKey() {
        auto* zoom = part<QLineEdit>(*window_, "setdata");
        zoom->setFocus(Qt::TabFocusReason);
        zoom->end(false);
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        QCOMPARE(zoom->text(), QStringLiteral("1"));
        type("25");
        QCOMPARE(zoom->text(), QStringLiteral("25"));
        QCOMPARE(window_->form().zoomText(), "25");
        // A lone "-" reads as 0 and is guarded in turn: the 5 replaces its "1".
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        type("-5");
        QCOMPARE(zoom->text(), QStringLiteral("5"));
    }

    void wheelTurnsTheChooserOnlyWithTheFocus() {
        auto* chooser = part<QComboBox>(*window_, "combotype");
        auto* k = part<QLineEdit>(*window_, "tx0");
        k->setFocus();
        QTest::keyClicks(k, "3");
        const auto wheel = [chooser] {
            const QPointF at = chooser->rect().center();
            QWheelEvent event(at, chooser->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(chooser, &event);
        };
        wheel();
        QCOMPARE(window_->form().family(), 0);
        QCOMPARE(k->text(), QStringLiteral("3"));

        chooser->setFocus(Qt::TabFocusReason);
        wheel();
        QCOMPARE(window_->form().family(), 1);
    }

    // The chooser's open list is made only when first wanted: it must still
    // open from the keyboard, show every family and choose one.
    void chooserListOpensFromTheKeyboard() {
        auto* chooser = part<QComboBox>(*window_, "combotype");
        press(Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* list = chooser->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(rowCount(*list), chooser->count());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(window_->form().family(), 1);
    }

    void listBringsTheNewestLineIntoView() {
        auto* list = part<QListView>(*window_, "lis");
        QTest::keyClicks(part(*window_, "tx0"), "2");
        for (int plot = 0; plot < 8; ++plot)
            window_->findChild<QAction*>("print")->trigger();
        QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
        QTRY_COMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
        const QRect last = list->visualRect(list->model()->index(rowCount(*list) - 1, 0));
        QVERIFY(list->viewport()->rect().contains(last));
    }

    void tooltipsNameTheShortcuts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("prt") << "prt"
                             << "Ctrl+P";
        QTest::newRow("rprt") << "rprt"
                              << "Ctrl+R";
        QTest::newRow("cleara") << "cleara"
                                << "Shift+Del";
        QTest::newRow("calc") << "calc"
                              << "Ctrl+A";
        QTest::newRow("llabs1") << "llabs1"
                                << "";
        QTest::newRow("setdata") << "setdata"
                                 << "";
        QTest::newRow("combotype") << "combotype"
                                   << "";
    }
    void tooltipsNameTheShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        const QString tip = part(*window_, name.toLatin1().constData())->toolTip();
        QVERIFY(!tip.isEmpty());
        QVERIFY2(tip.size() < 60, qPrintable(tip));
        QVERIFY(tip.endsWith(QStringLiteral("(%1)").arg(shortcut)) || shortcut.isEmpty());
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
