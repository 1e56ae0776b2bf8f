#pragma once

#include <QByteArray>
#include <QString>

namespace oltrave {

// The sound device's side of SoundPlayer. It lives in a module of its own
// (oltrave-sound.so) so the toolkit's multimedia libraries, and the codecs and
// network libraries they pull in, are loaded only when a sound is first played.
class SoundOutput {
public:
    enum class Outcome { Playing, NoDevice, FormatRefused, OpenFailed };
    struct Started {
        Outcome outcome = Outcome::OpenFailed;
        QString device; // the device's description, for the messages
    };
    // Called once when a sound ends by itself or the device goes away; never
    // for stop().
    using Ended = void (*)(void* context);

    virtual ~SoundOutput() = default;

    // Plays 16-bit stereo samples at the sound's rate, replacing any sound
    // playing. An empty device id names the system's default output; an id no
    // device has gives NoDevice.
    virtual Started start(const QByteArray& pcm, const QByteArray& deviceId) = 0;
    virtual void stop() = 0;
};

// What the module offers: a new output that reports endings to `ended`.
using SoundOutputFactory = SoundOutput* (*)(SoundOutput::Ended ended, void* context);
struct SoundModuleTable {
    SoundOutputFactory makeOutput;
};

} // namespace oltrave
