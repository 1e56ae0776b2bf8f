#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "platform/programstyle.h"
#include "ui/chooserbox.h"
#include "ui/colourtable.h"
#include "ui/fontfitting.h"

namespace {

using namespace oltrave;

// How a style sheet drew the chooser before it drew itself: its colour, a
// frame one pixel wide, and when Tab reached it, a darker one of two.
QString designedSheet(const QColor& text) {
    return QStringLiteral("QComboBox { background-color: %1; border: 1px solid %2;"
                          " padding: 1px 4px; color: %3; }"
                          "QComboBox[keyboardFocus=\"true\"] { border: 2px solid %4;"
                          " padding: 0px 3px; }")
        .arg(QColor::fromRgb(colours::kHighlight).name(),
             QColor::fromRgb(colours::kChooserFrame).name(), text.name(),
             QColor::fromRgb(colours::kChooserFocus).name());
}

template <typename Box> QImage drawn(Box& box, bool keyboardFocus) {
    box.setFont(semibold(QStringLiteral("Open Sans Semibold"), 9.25));
    box.addItems({QStringLiteral("Linear Function"), QStringLiteral("Quadratic Function")});
    box.resize(153, 25);
    box.setProperty("keyboardFocus", keyboardFocus);
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ChooserLookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useProgramStyle(); }

    void looksAsTheSheetDrewIt_data() {
        QTest::addColumn<bool>("keyboardFocus");
        QTest::newRow("plain") << false;
        QTest::newRow("reached by Tab") << true;
    }
    void looksAsTheSheetDrewIt() {
        QFETCH(bool, keyboardFocus);
        QComboBox sheet;
        sheet.setStyleSheet(designedSheet(sheet.palette().color(QPalette::ButtonText)));
        const QImage expected = drawn(sheet, keyboardFocus);
        ChooserBox chooser;
        if (keyboardFocus)
            chooser.setFocus(Qt::TabFocusReason); // shows it only when it has the focus
        QImage actual = drawn(chooser, keyboardFocus);
        int differing = 0;
        QRect where;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y)) {
                    ++differing;
                    where |= QRect(x, y, 1, 1);
                }
        if (differing) {
            expected.save(QStringLiteral("/tmp/chooser-expected.png"));
            actual.save(QStringLiteral("/tmp/chooser-actual.png"));
        }
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ in (%2,%3 %4x%5)")
                                                .arg(differing)
                                                .arg(where.x())
                                                .arg(where.y())
                                                .arg(where.width())
                                                .arg(where.height())));
    }

    // The open list keeps its look too: the chosen entry in the chooser's colour.
    void theOpenListLooksAsItDid() {
        QComboBox sheet;
        sheet.setStyleSheet(designedSheet(sheet.palette().color(QPalette::ButtonText)));
        ChooserBox chooser;
        QImage lists[2];
        int i = 0;
        for (QComboBox* box :
             {static_cast<QComboBox*>(&sheet), static_cast<QComboBox*>(&chooser)}) {
            drawn(*box, false);
            box->show();
            box->showPopup();
            QWidget* list = box->view()->window();
            QTRY_VERIFY(list->isVisible());
            lists[i++] = list->grab().toImage();
            box->hidePopup();
        }
        QVERIFY(!lists[0].isNull());
        QCOMPARE(lists[1], lists[0]);
        // And the chooser itself, once the list has been open, as before.
        QCOMPARE(chooser.grab().toImage(), sheet.grab().toImage());
    }
};

QTEST_MAIN(ChooserLookTest)
#include "chooserlook_test.moc"
