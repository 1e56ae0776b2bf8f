// View > Analysis: the tool window beside the main window, its rows after each
// Print, and how a screen reader finds them.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "overlay/keypoints.h"
#include "platform/translation.h"
#include "ui/analysispanel.h"
#include "windowparts.h"

class AnalysisPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // OLTRAVE_SHOT_LANG=zh_CN for the Chinese words (and screenshots).
        if (qgetenv("OLTRAVE_SHOT_LANG") == "zh_CN")
            oltrave::useLanguage(oltrave::Language::Chinese);
    }
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void panelFollowsEveryPrintBesideTheWindow() {
        const QSize before = window_->size();
        analysisItem()->trigger();
        QTRY_VERIFY(panel()->isVisible());
        QVERIFY(panel()->isWindow());
        QCOMPARE(window_->size(), before);            // the window's own layout stays
        QCOMPARE(panel()->rowTexts(), QStringList()); // nothing plotted yet

        // y = 2 x + 1
        QTest::keyClicks(part(*window_, "tx0"), "2");
        QTest::keyClicks(part(*window_, "tx1"), "1");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        const QStringList rows = panel()->rowTexts();
        QCOMPARE(rows.size(), 13);
        if (qgetenv("OLTRAVE_SHOT_LANG") != "zh_CN") {
            QCOMPARE(rows[0], QStringLiteral("Domain : R"));
            QCOMPARE(rows[4], QStringLiteral("Zeros : -0.5"));
            QCOMPARE(rows[7], QStringLiteral("Increasing Intervals : R"));
        }
        // A coefficient that gives no function leaves no analysis.
        QTest::keyClick(part(*window_, "tx0"), Qt::Key_Backspace);
        QTest::keyClicks(part(*window_, "tx0"), "0");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QCOMPARE(panel()->rowTexts(), QStringList());
    }

    void screenReadersFindATable() {
        analysisItem()->trigger();
        QTest::keyClicks(part(*window_, "tx0"), "1");
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        auto* table = panel()->findChild<QTableWidget*>(QStringLiteral("analysisrows"));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Table);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QVERIFY(face->tableInterface());
        QCOMPARE(face->tableInterface()->rowCount(), 13);
        QCOMPARE(face->tableInterface()->columnCount(), 2);
    }

    void closingThePanelSwitchesTheOptionOff() {
        analysisItem()->trigger();
        QTRY_VERIFY(panel()->isVisible());
        panel()->close();
        QVERIFY(!analysisItem()->isChecked());
        analysisItem()->trigger();
        QTRY_VERIFY(panel()->isVisible());
    }

    // A selected row lights up what it names; Key Points adds the turning
    // points and asymptotes while the panel is open, and closing it clears both.
    void selectedRowsAndKeyPointsDrawOnThePlot() {
        analysisItem()->trigger();
        QTRY_VERIFY(panel()->isVisible());
        // x ^ 3 - 3 x
        auto* chooser = part<QComboBox>(*window_, "combotype");
        chooser->setCurrentIndex(2);
        emit chooser->activated(2); // as a person's choice does
        for (const auto& [box, text] : {std::pair{"tx0", "1"}, std::pair{"tx2", "-3"}})
            QTest::keyClicks(part(*window_, box), QString::fromUtf8(text));
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        const oltrave::CanvasWidget& area = window_->canvas();
        QVERIFY(area.otherMarks().empty());

        auto* table = panel()->findChild<QTableWidget*>(QStringLiteral("analysisrows"));
        table->selectRow(4); // the zeros: -√3, 0, √3
        QCOMPARE(shown(area), (QStringList{"point -1.73205080756888 , 0 *", "point 0 , 0 *",
                                           "point 1.73205080756888 , 0 *"}));
        table->selectRow(7); // rising before -1 and after 1: a stretch, no mark
        QVERIFY(area.otherMarks().empty());
        QVERIFY(!area.otherStretches().empty());

        window_->setKeyPoints(true);
        table->selectRow(12); // the inflection point, highlighted among the key rows
        QCOMPARE(shown(area), (QStringList{"point -1 , 2", "point 1 , -2", "point 0 , 0 *"}));

        analysisItem()->trigger();
        QVERIFY(area.otherMarks().empty());
    }

    // OLTRAVE_SHOT_DIR=DIR saves the window and the panel with a sine's analysis.
    void screenshots() {
        const QString folder = qEnvironmentVariable("OLTRAVE_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("OLTRAVE_SHOT_DIR not set");
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        analysisItem()->trigger();
        QTest::mouseClick(part(*window_, "combotype"), Qt::LeftButton);
        auto* chooser = part<QComboBox>(*window_, "combotype");
        chooser->setCurrentIndex(3);
        emit chooser->activated(3);
        for (const auto& [box, text] : {std::pair{"tx0", "2"}, std::pair{"tx1", "2"},
                                        std::pair{"tx2", "1"}, std::pair{"tx3", "-1"}}) {
            part<QLineEdit>(*window_, box)->clear();
            QTest::keyClicks(part(*window_, box), QString::fromUtf8(text));
        }
        QTest::mouseClick(part(*window_, "prt"), Qt::LeftButton);
        QTRY_VERIFY(panel()->isVisible());
        // The extrema's row selected: its points lit on the plot.
        panel()->findChild<QTableWidget*>(QStringLiteral("analysisrows"))->selectRow(6);
        QTest::qWait(200);
        const QString language = qEnvironmentVariable("OLTRAVE_SHOT_LANG", QStringLiteral("en"));
        QVERIFY(window_->grab().save(QDir(folder).filePath("window-" + language + ".png")));
        QVERIFY(panel()->grab().save(QDir(folder).filePath("panel-" + language + ".png")));
    }

private:
    // The analysis layer's marks, "*" after a highlighted one.
    static QStringList shown(const oltrave::CanvasWidget& area) {
        QStringList texts;
        for (const oltrave::MarkInstance& mark : area.otherMarks())
            texts << QString::fromStdString(oltrave::markText(mark)) +
                         (mark.highlighted ? QStringLiteral(" *") : QString());
        return texts;
    }
    QAction* analysisItem() { return window_->findChild<QAction*>(QStringLiteral("analysis")); }
    oltrave::AnalysisPanel* panel() {
        return window_->findChild<oltrave::AnalysisPanel*>(QStringLiteral("analysispanel"));
    }

    std::unique_ptr<oltrave::MainWindow> window_;
};

QTEST_MAIN(AnalysisPanelTest)
#include "analysispanel_test.moc"
