#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

#include "sound/sweep.h"

namespace oltrave {

class SoundOutput;

// Plays rendered samples on a sound device, one sound at a time: a new sound
// replaces the one playing. The device code is a module loaded on the first
// play, so a window that never sounds never loads the multimedia libraries.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    // Loads the device code from this file only, instead of searching for it.
    explicit SoundPlayer(const QString& modulePath, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts playing on the system's default output, or on the output with
    // the given id. Returns an empty string once the sound is under way,
    // otherwise why it cannot sound, in words for the person waiting to hear it.
    QString play(const sound::Samples& samples);
    QString play(const sound::Samples& samples, const QByteArray& deviceId);

    void stop();
    bool playing() const { return playing_; }

    static QString noDeviceMessage();

signals:
    // The sound ended, was stopped or broke off; playing() is false.
    void stopped();

private:
    static void ended(void* player);
    QString loadOutput();

    static constexpr int kLeadInMs = 30;
    static constexpr int kShortestMs = 150;

    QString modulePath_;
    std::unique_ptr<SoundOutput> output_;
    bool playing_ = false;
};

} // namespace oltrave
