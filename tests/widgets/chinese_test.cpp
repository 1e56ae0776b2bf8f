#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "platform/translation.h"
#include "ui/aboutscreen.h"
#include "windowparts.h"

namespace {

// English left over in a Chinese window: a word of two or more Latin letters that
// is not a name, a unit of a formula or the other language's own name.
QStringList englishWords(const QString& text) {
    static const QStringList allowed{"Oltrave", "English", "PNG", "png", "PDF", "SVG", "Sin", "Cos",
                                     "Tan", "log", "Qt", "Open", "Sans", "WenQuanYi", "Micro",
                                     "Hei",
                                     // key names
                                     "Ctrl", "Shift", "Del", "Esc"};
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)"))); // access keys
    QStringList found;
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const QRegularExpressionMatch& match : word.globalMatch(plain)) {
        if (!allowed.contains(match.captured()))
            found << match.captured();
    }
    return found;
}

void collectMenu(const QMenu& menu, QStringList& texts) {
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu())
            collectMenu(*action->menu(), texts);
    }
}

} // namespace

// With the Chinese translation installed, nothing a person reads or hears is English.
class ChineseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { oltrave::useLanguage(oltrave::Language::Chinese); }

    void everyWordOfTheWindowIsChinese() {
        const auto window = openMainWindow();
        QStringList texts;
        texts << window->windowTitle();
        for (const QAction* action : window->menuBar()->actions()) {
            texts << action->text();
            collectMenu(*action->menu(), texts);
        }
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            texts << widget->accessibleName() << widget->toolTip();
            for (const QAction* action : widget->actions())
                texts << action->text() << action->toolTip();
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                texts << label->text();
            if (const auto* box = qobject_cast<const QGroupBox*>(widget))
                texts << box->title();
            if (const auto* chooser = qobject_cast<const QComboBox*>(widget)) {
                for (int i = 0; i < chooser->count(); ++i)
                    texts << chooser->itemText(i);
            }
        }
        QStringList english;
        for (const QString& text : texts) {
            if (!englishWords(text).isEmpty())
                english << text;
        }
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
        QCOMPARE(part<QAbstractButton>(*window, "prt")->text(), QStringLiteral("绘图"));
        QCOMPARE(window->findChild<QMenu*>("edit")->title(), QStringLiteral("编辑(&E)"));
    }

    void theAboutScreenSaysItInChinese() {
        const oltrave::AboutScreen about;
        QVERIFY(about.accessibleName().startsWith(QStringLiteral("关于")));
        const QString description = about.accessibleDescription();
        QVERIFY(description.contains(QStringLiteral("版本")));
        QCOMPARE(englishWords(description), QStringList());
    }
};

QTEST_MAIN(ChineseTest)
#include "chinese_test.moc"
