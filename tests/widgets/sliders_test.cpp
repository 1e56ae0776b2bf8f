// The plot window's sliders: the keyboard steps a coefficient, its value can
// be typed, the plot and the analysis panel follow without touching the
// session, Apply prints (one Undo takes it back), exact mode steps exactly,
// and Play stops on any edit.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "ui/analysispanel.h"
#include "ui/coefficientrow.h"
#include "ui/playcontrols.h"
#include "ui/plotwindow.h"
#include "ui/shapestrip.h"
#include "ui/sliderpanel.h"
#include "ui/valueslider.h"
#include "windowparts.h"

using namespace oltrave;

namespace {

void print(MainWindow& window, int family, std::initializer_list<const char*> boxes) {
    part<QComboBox>(window, "combotype")->setCurrentIndex(family);
    QMetaObject::invokeMethod(part<QComboBox>(window, "combotype"), "activated",
                              Q_ARG(int, family));
    const char* names[] = {"tx0", "tx1", "tx2", "tx3"};
    int i = 0;
    for (const char* text : boxes) {
        auto* box = part<QLineEdit>(window, names[i++]);
        box->clear();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    QTest::mouseClick(part(window, "prt"), Qt::LeftButton);
}

void typeInto(QLineEdit& box, const QString& text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, text);
    QTest::keyClick(&box, Qt::Key_Return);
}

constexpr int kQuadratic = 1;
constexpr int kSine = 3;

} // namespace

class SlidersTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = openMainWindow();
        window_->findChild<QAction*>(QStringLiteral("plotwindow"))->trigger();
        QTRY_VERIFY(plot()->isVisible());
    }
    void cleanup() { window_.reset(); }

    void keysStepTheValueAndTheCurveFollows() {
        window_->findChild<QAction*>(QStringLiteral("analysis"))->trigger();
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        const int lines = session().lineCount();
        const std::vector<DrawnCurve> drawn = session().curves();
        CoefficientRow* c = sliders().row(2);
        QVERIFY(c);
        QCOMPARE(c->valueBox().text(), QStringLiteral("-3"));
        QCOMPARE(c->stepBox().text(), QStringLiteral("0.1"));
        QCOMPARE(c->lowBox().text(), QStringLiteral("-8"));
        QCOMPARE(c->highBox().text(), QStringLiteral("2"));
        QVERIFY(!sliders().moved());
        c->slider().setFocus();
        QTest::keyClick(&c->slider(), Qt::Key_Right);
        QCOMPARE(c->valueBox().text(), QStringLiteral("-2.9"));
        QTest::keyClick(&c->slider(), Qt::Key_PageUp);
        QCOMPARE(c->valueBox().text(), QStringLiteral("-1.9"));
        QTest::keyClick(&c->slider(), Qt::Key_PageDown);
        QTest::keyClick(&c->slider(), Qt::Key_PageDown);
        QTest::keyClick(&c->slider(), Qt::Key_Left);
        QCOMPARE(c->valueBox().text(), QStringLiteral("-4"));
        // The plot shows the moved curve; the session is as it was.
        QVERIFY(sliders().moved());
        QCOMPARE(sliders().moved()->coef[2], -4.0);
        QCOMPARE(session().lineCount(), lines);
        QCOMPARE(session().curves(), drawn);
        // The analysis panel follows: x² - 2x - 4 has zeros 1 ± √5.
        auto* panel = window_->findChild<AnalysisPanel*>(QStringLiteral("analysispanel"));
        QVERIFY(panel->rowTexts()[4].startsWith(QStringLiteral("Zeros : -1.236")));
        // Back where it was drawn: the panel shows the drawn curve again.
        QTest::keyClick(&c->slider(), Qt::Key_PageUp);
        QVERIFY(!sliders().moved());
        QCOMPARE(panel->rowTexts()[4], QStringLiteral("Zeros : -1 ; 3"));
    }

    void screenReadersHearTheValue() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        ValueSlider& slider = sliders().row(2)->slider();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&slider);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Slider);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("c"));
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("c = -2.9"));
        QCOMPARE(face->valueInterface()->currentValue().toDouble(), -2.9);
        QCOMPARE(face->valueInterface()->minimumStepSize().toDouble(), 0.1);
        // The rows that changed with it: among them the zeros, and not the domain.
        const QString told = face->text(QAccessible::Description);
        QVERIFY(told.contains(QStringLiteral("Zeros : ")));
        QVERIFY(!told.contains(QStringLiteral("Domain")));
    }

    void typedValuesAndRanges() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        CoefficientRow* c = sliders().row(2);
        typeInto(c->valueBox(), QStringLiteral("0.55"));
        QCOMPARE(c->valueBox().text(), QStringLiteral("0.55"));
        QCOMPARE(sliders().moved()->coef[2], 0.55);
        QTest::keyClick(&c->slider(), Qt::Key_Right);
        QCOMPARE(c->valueBox().text(), QStringLiteral("0.65"));
        // No number: the box shows the value again.
        typeInto(c->valueBox(), QStringLiteral("abc"));
        QCOMPARE(c->valueBox().text(), QStringLiteral("0.65"));
        typeInto(c->stepBox(), QStringLiteral("1"));
        QTest::keyClick(&c->slider(), Qt::Key_Right);
        QCOMPARE(c->valueBox().text(), QStringLiteral("1.65"));
        typeInto(c->highBox(), QStringLiteral("2"));
        QTest::keyClick(&c->slider(), Qt::Key_End);
        QCOMPARE(c->valueBox().text(), QStringLiteral("1.65"));
    }

    // The pieces of the moved coefficient's range, the one holding its value
    // in bold: x² - 2x + c has two zeros below c = 1, one at it, none above.
    void stripShowsWhereTheShapeChanges() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        const ShapeStrip& strip = sliders().strip();
        const QStringList pieces{"two zeros", "c = 1 one zero", "no zeros"};
        CoefficientRow* c = sliders().row(2);
        typeInto(c->valueBox(), QStringLiteral("1"));
        QCOMPARE(strip.pieceTexts(), pieces);
        QCOMPARE(strip.text(), QStringLiteral("two zeros | <b>c = 1 one zero</b> | no zeros"));
        typeInto(c->valueBox(), QStringLiteral("0.9"));
        QVERIFY(strip.text().startsWith(QStringLiteral("<b>two zeros</b>")));
        QTest::keyClick(&c->slider(), Qt::Key_PageUp); // 1.9
        QVERIFY(strip.text().endsWith(QStringLiteral("<b>no zeros</b>")));
        // Now b moves: x² + bx + 1.9 is even at b = 0.
        QTest::keyClick(&sliders().row(1)->slider(), Qt::Key_Right);
        QVERIFY(strip.pieceTexts().join(QChar('|')).contains(QStringLiteral("b = 0 ")));
    }

    // Moved across its pieces, the strip stays as tall as its tallest text, so
    // the buttons below it do not jump: at a width where the bold piece
    // decides whether the text takes another line.
    void stripKeepsItsHeightAcrossThePieces() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        const ShapeStrip& strip = sliders().strip();
        CoefficientRow* c = sliders().row(2);
        typeInto(c->valueBox(), QStringLiteral("1"));
        const QStringList pieces = strip.pieceTexts();
        QLabel measure;
        measure.setWordWrap(true);
        measure.setTextFormat(Qt::RichText);
        measure.setFont(strip.font());
        const auto heightWithBold = [&](qsizetype bold, int width) {
            QStringList shown;
            for (qsizetype i = 0; i < pieces.size(); ++i)
                shown << (i == bold ? "<b>" + pieces[i] + "</b>" : pieces[i]);
            measure.setText(shown.join(QStringLiteral(" | ")));
            return measure.heightForWidth(width);
        };
        int width = 40;
        while (width < 400 && heightWithBold(0, width) == heightWithBold(1, width) &&
               heightWithBold(1, width) == heightWithBold(2, width))
            ++width;
        QVERIFY2(width < 400, "no width where the bold piece changes the lines");
        const int tallest = std::max(
            {heightWithBold(0, width), heightWithBold(1, width), heightWithBold(2, width)});
        for (const char* value : {"0.9", "1", "1.9"}) {
            typeInto(c->valueBox(), QLatin1String(value));
            QCOMPARE(strip.heightForWidth(width), tallest);
        }
    }

    // The panel's words, its rows' and the strip's follow View > Language at
    // once, and the sliders stay where they were moved.
    void wordsFollowTheLanguage() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        CoefficientRow* c = sliders().row(2);
        typeInto(c->valueBox(), QStringLiteral("1"));
        PlayControls& play = sliders().play();
        const auto words = [&] {
            return QStringList{
                play.playButton().text(),
                sliders().findChild<QPushButton*>(QStringLiteral("applysliders"))->text(),
                c->lowBox().accessibleName(),
                sliders().strip().text().section(QStringLiteral(" | "), 0, 0)};
        };
        QCOMPARE(words(), (QStringList{"Play", "Apply", "c from", "two zeros"}));
        window_->findChild<QAction*>(QStringLiteral("language_zh_CN"))->trigger();
        QTRY_COMPARE(words(), (QStringList{QStringLiteral("播放"), QStringLiteral("应用"),
                                           QStringLiteral("c 起点"), QStringLiteral("两个零点")}));
        QCOMPARE(c->valueBox().text(), QStringLiteral("1"));
        window_->findChild<QAction*>(QStringLiteral("language_en"))->trigger();
        QTRY_COMPARE(words(), (QStringList{"Play", "Apply", "c from", "two zeros"}));
    }

    void applyPrintsAndUndoTakesItBack() {
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        const int lines = session().lineCount();
        const std::size_t curves = session().curves().size();
        CoefficientRow* c = sliders().row(2);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&c->slider(), Qt::Key_PageUp);
        QCOMPARE(c->valueBox().text(), QStringLiteral("1"));
        QTest::mouseClick(plot()->findChild<QPushButton*>(QStringLiteral("applysliders")),
                          Qt::LeftButton);
        QCOMPARE(part<QLineEdit>(*window_, "tx2")->text(), QStringLiteral("1"));
        QCOMPARE(session().curves().size(), curves + 1);
        QCOMPARE(session().curves().back().coef[2], 1.0);
        QVERIFY(session().lineCount() > lines);
        QVERIFY(session().line(lines).text.find("x ^ 2") != std::string::npos);
        // The sliders now sit around the new curve.
        QCOMPARE(*sliders().chosen(), curves);
        QVERIFY(!sliders().moved());
        window_->findChild<QAction*>(QStringLiteral("undo"))->trigger();
        QCOMPARE(part<QLineEdit>(*window_, "tx2")->text(), QStringLiteral("-3"));
        QCOMPARE(session().curves().size(), curves);
        QCOMPARE(session().lineCount(), lines);
    }

    // Apply on an older curve of another family chooses that family first.
    void applyAnOlderCurve() {
        print(*window_, kSine, {"2", "1", "0", "0"});
        print(*window_, kQuadratic, {"1", "0", "0"});
        auto* chooser = plot()->findChild<QComboBox*>(QStringLiteral("slidercurve"));
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->currentIndex(), 1);
        chooser->setCurrentIndex(0);
        QMetaObject::invokeMethod(chooser, "activated", Q_ARG(int, 0));
        QCOMPARE(*sliders().chosen(), 0u);
        // The quadratic's rows went whole, their words too.
        int fromWords = 0;
        for (const QLabel* word : sliders().findChildren<QLabel*>())
            fromWords += word->text() == QStringLiteral("from");
        QCOMPARE(fromWords, 4);
        QTest::keyClick(&sliders().row(3)->slider(), Qt::Key_Right); // M
        sliders().apply();
        QCOMPARE(window_->form().family(), kSine);
        QCOMPARE(part<QLineEdit>(*window_, "tx3")->text(), QStringLiteral("0.1"));
        QCOMPARE(session().curves().back().coef[3], 0.1);
        window_->findChild<QAction*>(QStringLiteral("undo"))->trigger();
        QCOMPARE(window_->form().family(), kQuadratic);
    }

    void exactModeStepsExactly() {
        window_->setExactValues(true);
        print(*window_, kQuadratic, {"1", "-2", "-3"});
        CoefficientRow* c = sliders().row(2);
        QCOMPARE(c->stepBox().text(), QStringLiteral("1/4"));
        QTest::keyClick(&c->slider(), Qt::Key_Right);
        QCOMPARE(c->valueBox().text(), QStringLiteral("-11/4"));
        typeInto(c->valueBox(), QStringLiteral("1/3"));
        QTest::keyClick(&c->slider(), Qt::Key_Left);
        QCOMPARE(c->valueBox().text(), QStringLiteral("1/12"));
        sliders().apply();
        QCOMPARE(part<QLineEdit>(*window_, "tx2")->text(), QStringLiteral("1/12"));

        print(*window_, kSine, {"1", "1", "0", "0"});
        CoefficientRow* phase = sliders().row(2);
        QCOMPARE(phase->stepBox().text(), QStringLiteral("π/12"));
        QCOMPARE(phase->highBox().text(), QStringLiteral("2π"));
        QTest::keyClick(&phase->slider(), Qt::Key_Right);
        QTest::keyClick(&phase->slider(), Qt::Key_Right);
        QCOMPARE(phase->valueBox().text(), QStringLiteral("π/6"));
        // An older curve keeps the exact values it was printed with.
        auto* chooser = plot()->findChild<QComboBox*>(QStringLiteral("slidercurve"));
        chooser->setCurrentIndex(1);
        QMetaObject::invokeMethod(chooser, "activated", Q_ARG(int, 1));
        QCOMPARE(sliders().row(2)->valueBox().text(), QStringLiteral("1/12"));
        // Switching exact mode off gives decimal sliders around the curve.
        window_->findChild<QAction*>(QStringLiteral("exact"))->trigger();
        QCOMPARE(sliders().row(2)->stepBox().text(), QStringLiteral("0.1"));
    }

    void playSweepsAndStopsOnAnyEdit() {
        print(*window_, kSine, {"1", "1", "0", "0"});
        PlayControls& play = sliders().play();
        auto* which = play.findChild<QComboBox*>(QStringLiteral("playcoefficient"));
        which->setCurrentIndex(2);                                                    // φ
        play.findChild<QComboBox*>(QStringLiteral("playmotion"))->setCurrentIndex(1); // bounce
        play.findChild<QCheckBox*>(QStringLiteral("playtrace"))->setChecked(true);
        QTest::mouseClick(&play.playButton(), Qt::LeftButton);
        QVERIFY(play.playing());
        play.frameAfter(0.5); // 10 steps a second: five steps
        QCOMPARE(sliders().row(2)->valueBox().text(), QStringLiteral("0.5"));
        QVERIFY(!sliders().trace().empty());
        // Past the top it comes back.
        play.frameAfter(5.0);
        QCOMPARE(sliders().row(2)->valueBox().text(), QStringLiteral("4.5"));
        QVERIFY(sliders().row(2)->slider().value() < sliders().row(2)->slider().maximum());
        // An edit in the main window stops it; the curve stays where it was.
        QTest::keyClicks(part(*window_, "tx0"), "2");
        QVERIFY(!play.playing());
        QVERIFY(sliders().trace().empty());
        QCOMPARE(sliders().row(2)->valueBox().text(), QStringLiteral("4.5"));
        // So does moving a slider by hand.
        QTest::mouseClick(&play.playButton(), Qt::LeftButton);
        QVERIFY(play.playing());
        QTest::keyClick(&sliders().row(0)->slider(), Qt::Key_Right);
        QVERIFY(!play.playing());
    }

private:
    PlotWindow* plot() {
        return window_->findChild<PlotWindow*>(QStringLiteral("plotwindowframe"));
    }
    SliderPanel& sliders() { return plot()->sliders(); }
    const Session& session() { return window_->session(); }
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(SlidersTest)
#include "sliders_test.moc"
