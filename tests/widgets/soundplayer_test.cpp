// Playback as the window uses it, on whatever the machine offers: with no
// sound device the player must say so instead of staying silent.
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>

#include "platform/soundplayer.h"
#include "sound/sweep.h"

using namespace oltrave;

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void noDeviceIsSaidInWords() {
        SoundPlayer player;
        QSignalSpy stopped(&player, &SoundPlayer::stopped);
        const QString message =
            player.play(sound::renderStepTone(0, 1, 10), QByteArrayLiteral("no such device"));
        QCOMPARE(message, SoundPlayer::noDeviceMessage());
        QVERIFY(!player.playing());
        QCOMPARE(stopped.count(), 0);
    }

    // The device code is a module of its own: without it, a sound cannot
    // start, and the player says so instead of pretending to play.
    void missingModuleIsSaidInWords_data() {
        QTest::addColumn<QString>("module");
        QTest::newRow("no such file") << QStringLiteral("/nonexistent/oltrave-sound.so");
        QTest::newRow("not a module") << QCoreApplication::applicationFilePath();
    }
    void missingModuleIsSaidInWords() {
        QFETCH(QString, module);
        SoundPlayer player(module);
        QSignalSpy stopped(&player, &SoundPlayer::stopped);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const QString message = player.play(sound::renderStepTone(0, 1, 10));
            QVERIFY2(message.contains(QStringLiteral("could not be loaded")), qPrintable(message));
            QVERIFY(!player.playing());
        }
        player.stop();
        QCOMPARE(stopped.count(), 0);
    }

    // The default output when there is one; Qt's null device when there is not.
    void defaultDevicePlaysToTheEndOrSaysWhyNot() {
        SoundPlayer player;
        QSignalSpy stopped(&player, &SoundPlayer::stopped);
        const QString message = player.play(sound::renderStepTone(0, 1, 10));
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            QCOMPARE(message, SoundPlayer::noDeviceMessage());
            QVERIFY(!player.playing());
            return;
        }
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QVERIFY(player.playing());
        QElapsedTimer heard;
        heard.start();
        QVERIFY(stopped.wait(5000));
        QVERIFY(!player.playing());
        // Not cut short while the device still holds the tone.
        QVERIFY2(heard.elapsed() >= 100, qPrintable(QString::number(heard.elapsed())));
    }

    void stopEndsTheSoundOnce() {
        if (QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("no sound device on this machine");
        SoundPlayer player;
        QSignalSpy stopped(&player, &SoundPlayer::stopped);
        QVERIFY(player.play(sound::renderSweep([](double x) { return x; }, 10, {})).isEmpty());
        player.stop();
        player.stop();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!player.playing());
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "soundplayer_test.moc"
