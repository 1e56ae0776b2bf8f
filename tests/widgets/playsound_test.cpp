// View > Play Curve as Sound on the real window: what a person hears, or the
// words that replace it when there is nothing to hear.
#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/soundplayer.h"
#include "sound/sweep.h"
#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;
using oltrave::SoundPlayer;
using oltrave::sound::CueKind;

namespace {

// Presses the shortcut and returns the text of the message box it opens, if
// any, closing the box.
QString messageAfter(MainWindow& window, const QKeySequence& keys) {
    QString said;
    QTimer::singleShot(0, [&said] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    QTest::keySequence(&window, keys);
    return said;
}

const QKeySequence kPlay(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

} // namespace

class PlaySoundTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window_ = openMainWindow(); }
    void cleanup() { window_.reset(); }

    void nothingPlottedSaysSo() {
        QVERIFY(messageAfter(*window_, kPlay).contains(QStringLiteral("Print")));
        QVERIFY(!window_->playingSound());
    }

    // With a device the sweep plays until Esc; without one a message says why not.
    void plottedCurvePlaysUntilEscape() {
        QTest::keyClicks(part(*window_, "tx0"), "1");
        QTest::keyClick(part(*window_, "tx0"), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(window_->form().plotted());
        auto* stop = window_->findChild<QAction*>(QStringLiteral("stopsound"));
        QVERIFY(!stop->isEnabled());

        if (QMediaDevices::defaultAudioOutput().isNull()) {
            QCOMPARE(messageAfter(*window_, kPlay), SoundPlayer::noDeviceMessage());
            QVERIFY(!window_->playingSound());
            QVERIFY(!stop->isEnabled());
            return;
        }
        QCOMPARE(messageAfter(*window_, kPlay), QString());
        QVERIFY(window_->playingSound());
        QVERIFY(stop->isEnabled());
        QTest::keyClick(part(*window_, "tx0"), Qt::Key_Escape);
        QVERIFY(!window_->playingSound());
        QVERIFY(!stop->isEnabled());
    }

    // Each step of the keyboard trace sounds; landing on a mark, with its cue.
    void keyboardTraceSoundsEachStep_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("sounds");
        const int tone = MainWindow::kTraceTone;
        const int zero = static_cast<int>(CueKind::Zero);
        const int extremum = static_cast<int>(CueKind::Extremum);
        const int asymptote = static_cast<int>(CueKind::Asymptote);
        // From the left edge. y = x² - 2x - 3: zeros -1 and 3, vertex (1, -4),
        // y = -3 at 0 (no cue).
        QTest::newRow("quadratic")
            << 1 << 0 << QStringList{"1", "-2", "-3"}
            << QList<int>{Qt::Key_Home,     Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown,
                          Qt::Key_PageDown, Qt::Key_Right,    Qt::Key_PageUp,   Qt::Key_PageDown}
            << QList<int>{tone, zero, tone, extremum, zero, tone, zero, zero};
        // y = tan x from the right edge: the zero at 3π, then the asymptote at
        // 5π/2, where a centre of symmetry also is.
        // y = |x|² - 2|x| - 3: zeros ±3, minima at ±1 and a maximum at 0, where
        // the marks of its lines also are; the mode reaches the cues.
        QTest::newRow("quadratic f(|x|)")
            << 1 << 2 << QStringList{"1", "-2", "-3"}
            << QList<int>{Qt::Key_Home,     Qt::Key_PageDown, Qt::Key_PageDown,
                          Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown}
            << QList<int>{tone, zero, extremum, extremum, extremum, zero};
        QTest::newRow("tangent") << 5 << 0 << QStringList{"1", "1", "0", "0"}
                                 << QList<int>{Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp}
                                 << QList<int>{tone, zero, asymptote};
    }
    void keyboardTraceSoundsEachStep() {
        QFETCH(int, family);
        QFETCH(int, mode);
        QFETCH(QStringList, boxes);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, sounds);
        emit part<QComboBox>(*window_, "combotype")->activated(family);
        QTest::mouseClick(part(*window_, qPrintable(QStringLiteral("llabs%1").arg(mode))),
                          Qt::LeftButton);
        for (int box = 0; box < boxes.size(); ++box)
            QTest::keyClicks(part(*window_, qPrintable(QStringLiteral("tx%1").arg(box))),
                             boxes[box]);
        QTest::keyClick(part(*window_, "tx0"), Qt::Key_P, Qt::ControlModifier);
        QWidget* plot = part(*window_, "pic");
        plot->setFocus(Qt::TabFocusReason);
        QSignalSpy spy(window_.get(), &MainWindow::traceSounded);
        for (const int key : keys)
            QTest::keyClick(plot, static_cast<Qt::Key>(key));
        QList<int> heard;
        for (const QList<QVariant>& signal : spy)
            heard << signal.constFirst().toInt();
        QCOMPARE(heard, sounds);
    }

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(PlaySoundTest)
#include "playsound_test.moc"
