#pragma once

#include <QAudioDevice>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "sound/sweep.h"

class QAudioSink;

namespace oltrave {

// Plays rendered samples on a sound device, one sound at a time: a new sound
// replaces the one playing.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts playing on the given device (by default the system's default
    // output). Returns an empty string once the sound is under way, otherwise
    // why it cannot sound, in words for the person waiting to hear it.
    QString play(const sound::Samples& samples);
    QString play(const sound::Samples& samples, const QAudioDevice& device);

    void stop();
    bool playing() const { return sink_ != nullptr; }

    static QString noDeviceMessage();

signals:
    // The sound ended, was stopped or broke off; playing() is false.
    void stopped();

private:
    void finishLater();
    void release();

    static constexpr int kDrainMarginMs = 50;
    static constexpr int kLeadInMs = 30;
    static constexpr int kShortestMs = 150;

    std::unique_ptr<QAudioSink> sink_;
    QByteArray pcm_;
    QBuffer buffer_;
    QTimer drain_;
};

} // namespace oltrave
