// View > Play Curve as Sound on the real window: what a person hears, or the
// words that replace it when there is nothing to hear.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/soundplayer.h"
#include "ui/mainwindow.h"
#include "windowparts.h"

using oltrave::MainWindow;
using oltrave::SoundPlayer;

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

private:
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(PlaySoundTest)
#include "playsound_test.moc"
