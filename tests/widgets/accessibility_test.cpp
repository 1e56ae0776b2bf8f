#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "ui/aboutscreen.h"
#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (!found)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

QStringList actions(QAccessibleInterface* control) {
    QAccessibleActionInterface* acting = control->actionInterface();
    return acting ? acting->actionNames() : QStringList();
}

// The states a screen reader is told, as words, in a fixed order.
QString states(QAccessibleInterface* control) {
    const QAccessible::State state = control->state();
    QStringList words;
    if (state.focusable)
        words << "focusable";
    if (state.disabled)
        words << "disabled";
    if (state.checkable)
        words << "checkable";
    if (state.checked)
        words << "checked";
    return words.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(QAccessible::Role)

// What a screen reader finds in the window: every control with its role, its
// name, what it can do and the state it is in.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void everyControlIsDescribed_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("state");
        const QString press = QAccessibleActionInterface::pressAction();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        const QString menu = QAccessibleActionInterface::showMenuAction();
        const QString focus = QAccessibleActionInterface::setFocusAction();
        // On Linux a chooser's name is its entry; its caption comes by relation.
        QTest::newRow("chooser") << 0 << "combotype" << QAccessible::ComboBox << "Linear Function"
                                 << menu << "focusable";
        QTest::newRow("k") << 0 << "tx0" << QAccessible::EditableText << "k" << focus
                           << "focusable";
        QTest::newRow("ω") << 3 << "tx1" << QAccessible::EditableText << "ω" << focus
                           << "focusable";
        QTest::newRow("f(x)") << 0 << "llabs0" << QAccessible::RadioButton << "f(x)" << toggle
                              << "focusable checkable checked";
        QTest::newRow("|f(x)|") << 0 << "llabs1" << QAccessible::RadioButton << "|f(x)|" << toggle
                                << "checkable";
        QTest::newRow("f(|x|) of a cubic") << 2 << "llabs2" << QAccessible::RadioButton << "f(|x|)"
                                           << ""
                                           << "disabled checkable";
        QTest::newRow("f(x) of a cubic") << 2 << "llabs0" << QAccessible::RadioButton << "f(x)"
                                         << ""
                                         << "focusable disabled checkable checked";
        QTest::newRow("Print") << 0 << "prt" << QAccessible::Button << "Print" << press
                               << "focusable";
        QTest::newRow("RePrint") << 0 << "rprt" << QAccessible::Button << "RePrint" << press
                                 << "focusable";
        QTest::newRow("Clear") << 0 << "cleara" << QAccessible::Button << "Clear" << press
                               << "focusable";
        QTest::newRow("Calculate")
            << 0 << "calc" << QAccessible::Button << "Calculate" << press << "focusable";
        QTest::newRow("x") << 0 << "setx" << QAccessible::EditableText << "x" << focus
                           << "focusable";
        QTest::newRow("Zoom") << 0 << "setdata" << QAccessible::EditableText << "Zoom" << focus
                              << "focusable";
        QTest::newRow("Results") << 0 << "lis" << QAccessible::List << "Results"
                                 << ""
                                 << "focusable";
        QTest::newRow("Plot") << 0 << "pic" << QAccessible::Chart << "Plot" << focus << "focusable";
    }
    void everyControlIsDescribed() {
        QFETCH(int, family);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, action);
        QFETCH(QString, state);
        emit part<QComboBox>(*window_, "combotype")->activated(family);
        QAccessibleInterface* found = accessible(part(*window_, control.toLatin1().constData()));
        QCOMPARE(found->role(), role);
        QCOMPARE(found->text(QAccessible::Name), name);
        QCOMPARE(actions(found).value(0), action);
        QCOMPARE(states(found), state);
    }

    void chooserIsLabelledByItsCaption() {
        QAccessibleInterface* chooser = accessible(part(*window_, "combotype"));
        const auto labels = chooser->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name), "Type*");
    }

    // Menus and items read as their words, without the access key's "(&E)".
    void menusReadWithoutAccessKeys() {
        QAccessibleInterface* bar = accessible(window_->menuBar());
        QStringList menus;
        QStringList items;
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* menu = bar->child(i);
            QCOMPARE(menu->role(), QAccessible::MenuItem);
            QCOMPARE(actions(menu), QStringList{QAccessibleActionInterface::showMenuAction()});
            menus << menu->text(QAccessible::Name);
            QCOMPARE(menu->childCount(), 1);
            QAccessibleInterface* popup = menu->child(0);
            QCOMPARE(popup->text(QAccessible::Name), menus.back());
            for (int j = 0; j < popup->childCount(); ++j) {
                QAccessibleInterface* item = popup->child(j);
                QCOMPARE(item->parent()->object(), popup->object());
                items << (item->role() == QAccessible::Separator
                              ? QStringLiteral("-")
                              : item->text(QAccessible::Name) + ' ' +
                                    item->text(QAccessible::Accelerator));
            }
        }
        // Other menus come and go with the options; these stay, and none shows an access key.
        QCOMPARE(menus.mid(0, 2), QStringList({"File", "Edit"}));
        QCOMPARE(menus.last(), QStringLiteral("Help"));
        for (const QString& item : items + menus)
            QVERIFY2(!item.contains(QRegularExpression(QStringLiteral("\\(&?\\w\\)|&"))),
                     qPrintable(item));
        for (const char* item :
             {"Print Ctrl+P", "RePrint Ctrl+R", "Calculate Ctrl+A", "Clear Shift+Del",
              "Print Worksheet... Ctrl+Shift+P", "Export SVG... ", "Quit Ctrl+Q"})
            QVERIFY2(items.contains(QLatin1String(item)), item);
        QVERIFY(items.contains(QStringLiteral("About Oltrave 函数计算器... ")));
    }

    void menuItemsRunTheirCommands() {
        QTest::keyClicks(part(*window_, "tx0"), "2");
        auto* print = window_->findChild<QAction*>("print");
        QAccessibleInterface* item = accessible(print);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(window_->form().plotted());
    }

    void actionsDoWhatTheControlsDo() {
        QTest::keyClicks(part(*window_, "tx0"), "2");
        accessible(part(*window_, "llabs2"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(modeIndex(window_->form().absmode()), 2);
        QCOMPARE(states(accessible(part(*window_, "llabs2"))), "focusable checkable checked");
        QCOMPARE(states(accessible(part(*window_, "llabs0"))), "checkable");

        accessible(part(*window_, "prt"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(window_->form().plotted());
    }

    // What the plotting area shows, after every command.
    void plottingAreaSaysWhatItShows() {
        QAccessibleInterface* plot = accessible(part(*window_, "pic"));
        const auto description = [plot] { return plot->text(QAccessible::Description); };
        QCOMPARE(description(), "empty");
        auto* k = part<QLineEdit>(*window_, "tx0");
        auto* b = part<QLineEdit>(*window_, "tx1");
        QTest::keyClicks(k, "2");
        QTest::keyClicks(b, "-4");
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(description(), "y = 2 x - 4, from -10 to 10");

        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, "1");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QCOMPARE(description(), "y = 2 x - 4; y = 2 x + 1, from -10 to 10");

        part<QLineEdit>(*window_, "setdata")->setText("5");
        emit part<QLineEdit>(*window_, "setdata")->textEdited("5");
        QTest::mouseClick(part(*window_, "rprt"), Qt::LeftButton);
        QCOMPARE(description(), "y = 2 x + 1, from -5 to 5");

        QTest::mouseClick(part(*window_, "calc"), Qt::LeftButton); // a line, no curve
        QCOMPARE(description(), "y = 2 x + 1, from -5 to 5");

        k->clear();
        emit k->textEdited(QString()); // k = 0 is not a line
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QCOMPARE(description(), "empty");

        QTest::keyClicks(k, "3");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QVERIFY(description() != "empty");
        QTest::mouseClick(part(*window_, "cleara"), Qt::LeftButton);
        QCOMPARE(description(), "empty");
    }

    // The About picture's words: the product's name, its version and the credits.
    void aboutScreenReadsItsPicture() {
        oltrave::AboutScreen about;
        QAccessibleInterface* screen = accessible(&about);
        QCOMPARE(screen->text(QAccessible::Name), "About Oltrave");
        const QStringList lines = screen->text(QAccessible::Description).split('\n');
        QCOMPARE(lines.mid(0, 2), QStringList({"Oltrave", QStringLiteral("函数计算器")}));
        QVERIFY2(
            QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(lines.value(2)).hasMatch(),
            qPrintable(lines.value(2)));
        QVERIFY(lines.contains("Design and programming"));
        QVERIFY(lines.contains("The Oltrave developers"));
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
