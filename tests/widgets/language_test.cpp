// View > Language while the window runs: every word of the window, Qt's own
// included, changes at once; the list keeps the lines it holds.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "platform/translation.h"
#include "ui/aboutscreen.h"
#include "ui/programname.h"
#include "windowparts.h"

using oltrave::Language;
using oltrave::MainWindow;

namespace {

QStringList menuTitles(MainWindow& window) {
    QStringList titles;
    for (QAction* entry : window.menuBar()->actions())
        titles << entry->text();
    return titles;
}

QStringList buttonTexts(QWidget& widget) {
    QStringList texts;
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&widget) && !button->text().isEmpty())
            texts << button->text();
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        oltrave::useLanguage(Language::English);
        window_ = openMainWindow();
    }
    void cleanup() {
        window_.reset();
        oltrave::useLanguage(Language::English);
    }

    void everyWordChangesAtOnce() {
        auto* x = part<QLineEdit>(*window_, "tx0");
        QTest::keyClicks(x, "1");
        QTest::keyClicks(part<QLineEdit>(*window_, "tx1"), "2");
        part<QAbstractButton>(*window_, "prt")->click();
        const auto* list = part<QListView>(*window_, "lis");
        const QString englishRange = list->model()->index(3, 0).data().toString();
        QCOMPARE(englishRange, QStringLiteral("    Range : R"));

        window_->findChild<QAction*>("language_zh_CN")->trigger();
        QCOMPARE(menuTitles(*window_),
                 (QStringList{"文件(&F)", "编辑(&E)", "视图(&V)", "帮助(&H)"}));
        QCOMPARE(part<QAbstractButton>(*window_, "prt")->text(), QStringLiteral("绘图"));
        QCOMPARE(part<QLabel>(*window_, "Label2")->text(), QStringLiteral("缩放"));
        QCOMPARE(window_->findChild<QAction*>("informationabout")->text(),
                 QStringLiteral("关于 %1(&A)...").arg(oltrave::programName()));
        QVERIFY(part<QAbstractButton>(*window_, "prt")->toolTip().endsWith(" (Ctrl+P)"));
        QVERIFY(!part<QAbstractButton>(*window_, "prt")->toolTip().startsWith("Plot"));
        QCOMPARE(part<QComboBox>(*window_, "combotype")->itemText(0),
                 QString::fromStdString(std::string(oltrave::inChosenLanguage("Linear Function"))));
        QVERIFY(part<QComboBox>(*window_, "combotype")->itemText(0) != "Linear Function");
        // The lines stay as written; the next command speaks Chinese.
        QCOMPARE(list->model()->index(3, 0).data().toString(), englishRange);
        part<QAbstractButton>(*window_, "prt")->click();
        QCOMPARE(list->model()->index(7, 0).data().toString(), QStringLiteral("    值域 : R"));
        // The About screen is made anew each time.
        const oltrave::AboutScreen about(window_.get());
        QVERIFY2(about.accessibleDescription().contains(QStringLiteral("设计与编程")),
                 qPrintable(about.accessibleDescription()));

        window_->findChild<QAction*>("language_en")->trigger();
        QCOMPARE(menuTitles(*window_),
                 (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Help(&H)"}));
        QCOMPARE(part<QAbstractButton>(*window_, "prt")->text(), QStringLiteral("Print"));
        QCOMPARE(part<QComboBox>(*window_, "combotype")->itemText(0),
                 QStringLiteral("Linear Function"));
    }

    // Qt's own dialogs and menus speak the language too.
    void qtsOwnWordsAreChinese() {
        window_->findChild<QAction*>("language_zh_CN")->trigger();
        QFileDialog dialog(window_.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        const QStringList texts = buttonTexts(dialog);
        QVERIFY(!texts.isEmpty());
        for (const QString& text : texts)
            QVERIFY2(!text.contains(QRegularExpression("[A-Za-z]{2,}")), qPrintable(text));
        QVERIFY2(texts.contains(QStringLiteral("取消")), qPrintable(texts.join('|')));
        dialog.close();

        QDialogButtonBox ok(QDialogButtonBox::Ok);
        QCOMPARE(ok.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        std::unique_ptr<QMenu> menu(part<QLineEdit>(*window_, "tx0")->createStandardContextMenu());
        for (const QAction* item : menu->actions()) {
            const QString words = item->text().section(QLatin1Char('\t'), 0, 0); // not the keys
            QVERIFY2(!words.contains(QRegularExpression("[A-Za-z]{3,}")), qPrintable(words));
        }
    }

    // A mark only while the text is not read whole, in either mode.
    void boxesNotReadWholeAreMarked() {
        auto* k = part<QLineEdit>(*window_, "tx0");
        const QRect before = k->geometry();
        const QString zoomTip = part<QLineEdit>(*window_, "setdata")->toolTip();
        QTest::keyClicks(k, "1/3");
        const auto* mark = k->findChild<QWidget*>("readingmark");
        QVERIFY(mark && mark->isVisibleTo(k));
        QCOMPARE(k->geometry(), before);
        QCOMPARE(mark->geometry().bottom(), k->rect().bottom());
        // Seen, not only present: the box's style must not hide it.
        QCOMPARE(k->grab().toImage().pixelColor(k->width() / 2, k->height() - 1),
                 QColor(0xE0, 0x90, 0x00));
        QCOMPARE(k->toolTip(),
                 QStringLiteral("read as 1: “/3” is ignored — Exact Values reads 1/3"));
        QCOMPARE(k->accessibleDescription(), k->toolTip());
        window_->findChild<QAction*>("exact")->trigger();
        QVERIFY(!mark->isVisibleTo(k));
        QCOMPARE(k->accessibleDescription(), QString());
        window_->findChild<QAction*>("exact")->trigger();
        QVERIFY(mark->isVisibleTo(k));

        QTest::keyClick(k, Qt::Key_Backspace);
        QTest::keyClick(k, Qt::Key_Backspace);
        QCOMPARE(k->text(), QStringLiteral("1"));
        QVERIFY(!mark->isVisibleTo(k));
        QCOMPARE(k->toolTip(), QString());

        auto* zoom = part<QLineEdit>(*window_, "setdata");
        zoom->selectAll();
        QTest::keyClicks(zoom, "1e400");
        QCOMPARE(zoom->toolTip(), QStringLiteral("too large: the previous value 10 is used"));
        zoom->selectAll();
        QTest::keyClicks(zoom, "10");
        QCOMPARE(zoom->toolTip(), zoomTip);

        auto* x = part<QLineEdit>(*window_, "setx");
        QTest::keyClicks(x, "abc");
        QCOMPARE(x->toolTip(), QStringLiteral("not a number: read as 0"));
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
