#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "platform/canvaswidget.h"
#include "ui/art/art.h"
#include "ui/backdrop.h"
#include "ui/colourtable.h"
#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;
namespace colours = oltrave::colours;

namespace {

// As the window shows it, away from the caption's glyphs.
QColor backgroundColour(QWidget* widget) {
    return widget->parentWidget()->grab(widget->geometry()).toImage().pixelColor(1, 1);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("combotype") << "combotype" << QRect(56, 8, 153, 25);
        QTest::newRow("labelv") << "labelv" << QRect(216, 8, 323, 21);
        QTest::newRow("pic") << "pic" << QRect(8, 40, 428, 361);
        QTest::newRow("llabs2") << "llabs2" << QRect(506, 40, 33, 19);
        QTest::newRow("tx0") << "tx0" << QRect(475, 64, 64, 25);
        QTest::newRow("tx3") << "tx3" << QRect(475, 160, 64, 25);
        QTest::newRow("lb1") << "lb1" << QRect(443, 96, 30, 25);
        QTest::newRow("prt") << "prt" << QRect(442, 192, 98, 26);
        QTest::newRow("calc") << "calc" << QRect(442, 344, 98, 26);
        QTest::newRow("Frame1") << "Frame1" << QRect(442, 288, 97, 49);
        QTest::newRow("setx in its frame") << "setx" << QRect(8, 16, 81, 22);
        QTest::newRow("setdata") << "setdata" << QRect(488, 377, 43, 22);
        QTest::newRow("lis") << "lis" << QRect(544, 8, 281, 394);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(part(*window_, name.toLatin1().constData())->geometry(), pixels);
    }

    // The chooser's entries and the mode captions get the largest size, in
    // quarter points up to the one designed, at which every one fits its room
    // (the chooser's arrow and margins take 30 pixels, a caption's frame 2).
    void captionsTakeTheLargestSizeThatFits_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<qreal>("designed");
        QTest::addColumn<int>("margins");
        QTest::newRow("chooser") << QStringList{"combotype"} << 9.75 << 30;
        QTest::newRow("modes") << QStringList{"llabs0", "llabs1", "llabs2"} << 10.5 << 2;
    }
    void captionsTakeTheLargestSizeThatFits() {
        QFETCH(QStringList, names);
        QFETCH(qreal, designed);
        QFETCH(int, margins);
        QStringList texts;
        for (const QString& name : names) {
            QWidget* shown = part(*window_, name.toLatin1().constData());
            if (auto* chooser = qobject_cast<QComboBox*>(shown)) {
                for (int i = 0; i < chooser->count(); ++i)
                    texts << chooser->itemText(i);
            } else {
                texts << qobject_cast<QAbstractButton*>(shown)->text();
            }
        }
        QWidget* first = part(*window_, names.front().toLatin1().constData());
        const int room = first->width() - margins;
        const auto widest = [&texts](QFont font, qreal points) {
            font.setPointSizeF(points);
            const QFontMetricsF metrics(font);
            qreal most = 0;
            for (const QString& text : texts)
                most = std::max(most, metrics.horizontalAdvance(text));
            return most;
        };
        const QFont font = first->font();
        QVERIFY(font.pointSizeF() <= designed);
        QVERIFY(widest(font, font.pointSizeF()) <= room);
        if (font.pointSizeF() < designed)
            QVERIFY(widest(font, font.pointSizeF() + 0.25) > room);
    }

    void windowHasAFixedClientAreaAndItsCaption() {
        QCOMPARE(window_->centralWidget()->size(), QSize(834, 411));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Oltrave 函数计算器"));
        QCOMPARE(window_->objectName(), QStringLiteral("frmmain"));
    }

    // The designed picture from the top-left corner, pixel for pixel, grey
    // wherever it does not reach.
    void backgroundIsThePictureThenGrey() {
        oltrave::Backdrop backdrop;
        backdrop.resize(1200, 900);
        const QImage shot = backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture =
            oltrave::renderArt(QStringLiteral(OLTRAVE_REFERENCE_DIR "/background.svg"))
                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(1163, 850));
        QCOMPARE(shot.copy(picture.rect()), picture);
        const QColor grey(0xE0, 0xE0, 0xE0);
        QCOMPARE(shot.pixelColor(1163, 3), grey);
        QCOMPARE(shot.pixelColor(3, 850), grey);
        QCOMPARE(shot.pixelColor(1199, 899), grey);
    }

    void chooserListsTheEightFamilies() {
        auto* chooser = part<QComboBox>(*window_, "combotype");
        QStringList entries;
        for (int i = 0; i < chooser->count(); ++i)
            entries << chooser->itemText(i);
        QCOMPARE(entries, QStringList({"Linear Function", "Quadratic Function", "Cubics Function",
                                       "Sine Function", "Cosine Function", "Tangent Function",
                                       "Exponential Function", "Logarithmic Function"}));
    }

    // The limits count characters as a person sees them; a paste is cut to
    // the room left, never inside a character.
    void textBoxesKeepTheirLengthLimits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        const QString face = QStringLiteral("\U0001F600");           // two UTF-16 units
        const QString flag = QStringLiteral("\U0001F1EB\U0001F1F7"); // four
        const QString accented = QStringLiteral("e\u0301");          // e and a combining accent
        QTest::newRow("coefficient: 7") << "tx0"
                                        << ""
                                        << "123456789"
                                        << "1234567";
        QTest::newRow("x: 10") << "setx"
                               << ""
                               << "123456789012"
                               << "1234567890";
        QTest::newRow("zoom: 5") << "setdata"
                                 << ""
                                 << "123456"
                                 << "12345";
        QTest::newRow("emoji fills one place") << "tx0"
                                               << "" << face.repeated(9) << face.repeated(7);
        QTest::newRow("no half emoji at the limit") << "tx0"
                                                    << "123456" << face + face << "123456" + face;
        QTest::newRow("flags and accents whole") << "setdata"
                                                 << "12" << flag + accented + flag + "9"
                                                 << "12" + flag + accented + flag;
        QTest::newRow("full box takes nothing") << "setdata"
                                                << "12345" << face << "12345";
    }
    void textBoxesKeepTheirLengthLimits() {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        auto* edit = part<QLineEdit>(*window_, box.toLatin1().constData());
        edit->setText(before);
        edit->end(false);
        edit->insert(pasted);
        QCOMPARE(edit->text(), after);
        QCOMPARE(edit->cursorPosition(), after.size());
    }

    void selectedModeShowsTheHighlight() {
        const QColor highlight(192, 192, 255);
        QWidget* modes[] = {part(*window_, "llabs0"), part(*window_, "llabs1"),
                            part(*window_, "llabs2")};
        QCOMPARE(backgroundColour(modes[0]), highlight);
        QVERIFY(backgroundColour(modes[2]) != highlight);

        QTest::mouseClick(modes[2], Qt::LeftButton);
        QCOMPARE(modeIndex(window_->form().absmode()), 2);
        QCOMPARE(backgroundColour(modes[2]), highlight);
        QVERIFY(backgroundColour(modes[0]) != highlight);
    }

    void aPressReleasedOutsideAModeChangesNothing() {
        QWidget* mode2 = part(*window_, "llabs2");
        QTest::mousePress(mode2, Qt::LeftButton, {}, mode2->rect().center());
        QTest::mouseRelease(mode2, Qt::LeftButton, {}, mode2->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(modeIndex(window_->form().absmode()), 0);
        QCOMPARE(backgroundColour(part(*window_, "llabs0")), QColor(192, 192, 255));
    }

    void typingInTheMiddleOfABoxKeepsTheCaret() {
        auto* box = part<QLineEdit>(*window_, "tx0");
        QTest::keyClicks(box, "12");
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClicks(box, "34");
        QCOMPARE(box->text(), QStringLiteral("3412"));
        QCOMPARE(window_->form().boxText(0), std::string("3412"));
    }

    // Whatever face is installed, the list shows a regular weight.
    void resultListShowsTheRegularFace() {
        const QFontInfo shown(part(*window_, "lis")->font());
        QVERIFY2(shown.weight() < QFont::DemiBold, qPrintable(shown.styleName()));
        QVERIFY2(!shown.styleName().contains(QLatin1String("semibold"), Qt::CaseInsensitive),
                 qPrintable(shown.family() + QLatin1Char(' ') + shown.styleName()));
    }

    // The table holds the numbers the window must show, and the window holds to the table.
    void coloursComeFromTheColourTable() {
        QCOMPARE(colours::kHighlight, qRgb(192, 192, 255));
        QCOMPARE(colours::kXFrame, qRgb(0xC0, 0xCF, 0xFF));
        QCOMPARE(colours::kWindowGrey, qRgb(0xE0, 0xE0, 0xE0));
        QCOMPARE(oltrave::kCurveColour.packed, 16353682u);
        const QRgb curve = qRgb(oltrave::kCurveColour.red(), oltrave::kCurveColour.green(),
                                oltrave::kCurveColour.blue());

        const auto shows = [](QWidget* widget, QRgb colour) {
            return backgroundColour(widget) == QColor::fromRgb(colour);
        };
        QVERIFY(shows(part(*window_, "labelv"), colours::kHighlight));
        QVERIFY(shows(part(*window_, "combotype"), colours::kHighlight));
        QVERIFY(shows(part(*window_, "llabs0"), colours::kHighlight));
        QVERIFY(shows(part(*window_, "Frame1"), colours::kXFrame));
        QCOMPARE(part(*window_, "Label1")->palette().color(QPalette::WindowText),
                 QColor::fromRgb(colours::kCaptionGrey));

        auto* tx0 = part<QLineEdit>(*window_, "tx0");
        QTest::keyClicks(tx0, "1");
        QTest::keyClick(tx0, Qt::Key_Return);
        // y = x runs from corner to corner.
        const QImage plot = window_->canvas().image();
        QCOMPARE(plot.pixel(plot.width() - 1, 0), curve);
        QCOMPARE(plot.pixel(0, plot.height() - 1), curve);
    }

    void disabledModeLabelsIgnoreClicks() {
        auto* chooser = part<QComboBox>(*window_, "combotype");
        emit chooser->activated(2); // the cubic locks the modes
        QWidget* mode1 = part(*window_, "llabs1");
        QVERIFY(!mode1->isEnabled());
        QTest::mouseClick(mode1, Qt::LeftButton);
        QCOMPARE(modeIndex(window_->form().absmode()), 0);
        QCOMPARE(backgroundColour(part(*window_, "llabs0")), QColor(192, 192, 255));
    }

    void enterPlotsFromACoefficientBoxOnly_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("lines");
        QTest::newRow("tx0") << "tx0" << 4;
        QTest::newRow("tx1") << "tx1" << 4;
        QTest::newRow("setdata") << "setdata" << 0;
    }
    void enterPlotsFromACoefficientBoxOnly() {
        QFETCH(QString, box);
        QFETCH(int, lines);
        QTest::keyClicks(part(*window_, "tx0"), "2");
        QTest::keyClicks(part(*window_, "tx1"), "-4");
        QTest::keyClick(part(*window_, box.toLatin1().constData()), Qt::Key_Return);
        QCOMPARE(rowCount(*part<QListView>(*window_, "lis")), lines);
        QCOMPARE(part<QLineEdit>(*window_, "setdata")->text(), QStringLiteral("10"));
    }

    void menusCarryTheirCaptionsAndShortcuts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("print") << "print"
                               << "Print(&P)" << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("reprint") << "reprint"
                                 << "RePrint(&R)" << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("calculate") << "calculate"
                                   << "Calculate(&A)" << QKeySequence(Qt::CTRL | Qt::Key_A);
        QTest::newRow("clear") << "clear"
                               << "Clear(&L)" << QKeySequence(Qt::SHIFT | Qt::Key_Delete);
        QTest::newRow("exact") << "exact"
                               << "Exact Values" << QKeySequence(Qt::CTRL | Qt::Key_E);
        QTest::newRow("playsound")
            << "playsound"
            << "Play Curve as Sound(&S)" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTest::newRow("stopsound") << "stopsound"
                                   << "Stop Sound" << QKeySequence(Qt::Key_Escape);
        QTest::newRow("informationabout")
            << "informationabout" << QStringLiteral("About Oltrave 函数计算器(&A)...")
            << QKeySequence();
        QTest::newRow("filesaveimage") << "filesaveimage"
                                       << "Save Image(&S)..." << QKeySequence();
        QTest::newRow("fileexportpdf") << "fileexportpdf"
                                       << "Export Worksheet (PDF)(&W)..." << QKeySequence();
        QTest::newRow("fileexportsvg") << "fileexportsvg"
                                       << "Export SVG(&G)..." << QKeySequence();
        QTest::newRow("fileprint")
            << "fileprint"
            << "Print Worksheet(&P)..." << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
        QTest::newRow("quit") << "quit"
                              << "Quit(&Q)" << QKeySequence(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("undo") << "undo"
                              << "Undo(&U)" << QKeySequence(Qt::CTRL | Qt::Key_Z);
        QTest::newRow("redo") << "redo"
                              << "Redo(&D)" << QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::newRow("savesession") << "savesession"
                                     << "Save Session(&V)" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("opensession") << "opensession"
                                     << "Open Session(&O)..." << QKeySequence(Qt::CTRL | Qt::Key_O);
    }
    void menusCarryTheirCaptionsAndShortcuts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        auto* action = window_->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
    }

    void menuBarHoldsFileEditViewHelp() {
        QStringList menus;
        for (QAction* action : window_->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, QStringList({"File(&F)", "Edit(&E)", "View(&V)", "Help(&H)"}));
        QStringList files;
        for (QAction* action : window_->findChild<QMenu*>("file")->actions())
            files << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(files,
                 QStringList({"opensession", "openrecent", "savesession", "savesessionas", "-",
                              "filesaveimage", "fileexportpdf", "fileexportsvg", "fileprint",
                              "fileprintpreview", "-", "filepracticeset", "-", "quit"}));
        QStringList items;
        for (QAction* action : window_->findChild<QMenu*>("edit")->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(items,
                 QStringList({"undo", "redo", "-", "print", "reprint", "calculate", "-", "clear"}));
    }

    // Inside a text box Ctrl+A would select all and Shift+Del would cut.
    void menuShortcutsWinInsideTextBoxes() {
        auto* k = part<QLineEdit>(*window_, "tx0");
        k->setFocus();
        QTest::keyClicks(k, "2");
        QTest::keyClicks(part(*window_, "tx1"), "1");
        QTest::keyClick(k, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(window_->form().plotted());

        QTest::keyClick(k, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!k->hasSelectedText());
        QCOMPARE(rowCount(*part<QListView>(*window_, "lis")), 5); // the value at x = 0

        QTest::keyClick(k, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(k->text(), QString());
        QCOMPARE(rowCount(*part<QListView>(*window_, "lis")), 0);
        QVERIFY(!window_->form().plotted());
    }

    // Off at first; the item and its shortcut, even inside a text box, switch
    // the form's reading and writing and tell whoever remembers it.
    void exactValuesToggleFromMenuAndShortcut() {
        auto* exact = window_->findChild<QAction*>("exact");
        QVERIFY(exact->isCheckable());
        QVERIFY(!exact->isChecked());
        QVERIFY(!window_->form().exactValues());
        QSignalSpy toggled(window_.get(), &MainWindow::exactValuesToggled);

        exact->trigger();
        QVERIFY(window_->form().exactValues());
        auto* k = part<QLineEdit>(*window_, "tx0");
        k->setFocus();
        QTest::keyClick(k, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!window_->form().exactValues());
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QCOMPARE(toggled.at(1).at(0).toBool(), false);

        // Set from outside (the remembered state): shown, applied, not echoed.
        window_->setExactValues(true);
        QVERIFY(exact->isChecked());
        QVERIFY(window_->form().exactValues());
        QCOMPARE(toggled.count(), 2);
    }

    void aboutItemAsksForTheAboutScreen() {
        QSignalSpy about(window_.get(), &MainWindow::aboutRequested);
        window_->findChild<QAction*>("informationabout")->trigger();
        QCOMPARE(about.count(), 1);
    }

    // Each language in its own words; a choice is handed on to be remembered
    // and applies at once (language_test.cpp follows every word).
    void languageMenuHandsOnTheChoice() {
        auto* english = window_->findChild<QAction*>("language_en");
        auto* chinese = window_->findChild<QAction*>("language_zh_CN");
        QVERIFY(english && chinese);
        QCOMPARE(english->text(), QStringLiteral("English"));
        QCOMPARE(chinese->text(), QStringLiteral("简体中文"));
        QVERIFY(english->isChecked() && !chinese->isChecked());

        QSignalSpy chosen(window_.get(), &MainWindow::languageChosen);
        chinese->trigger();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).value<oltrave::Language>(), oltrave::Language::Chinese);
        QVERIFY(chinese->isChecked() && !english->isChecked());
        QCOMPARE(chinese->text(), QStringLiteral("简体中文"));
        english->trigger();
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(part<QAbstractButton>(*window_, "prt")->text(), QStringLiteral("Print"));
    }

    // The zoom box turns an emptied text into "1" in the same keystroke.
    void zoomBoxShowsTheGuardedText() {
        auto* zoom = part<QLineEdit>(*window_, "setdata");
        zoom->setFocus();
        zoom->end(false);
        QTest::keyClick(zoom, Qt::Key_Backspace);
        QTest::keyClick(zoom, Qt::Key_Backspace);
        QCOMPARE(zoom->text(), QStringLiteral("1"));
        QCOMPARE(window_->form().zoomText(), "1");
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
