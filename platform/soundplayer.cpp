#include "soundplayer.h"

#include "platform/loadablemodule.h"
#include "platform/soundoutput.h"
#include "sound/mapping.h"

namespace oltrave {

namespace {

SoundOutputFactory loadFactory(const QString& modulePath, QString& problem) {
    const void* table = modulePath.isEmpty()
                            ? loadModule(QStringLiteral(OLTRAVE_SOUND_MODULE_NAME), problem)
                            : loadModuleFile(modulePath, problem);
    return table ? static_cast<const SoundModuleTable*>(table)->makeOutput : nullptr;
}

SoundOutputFactory outputFactory(const QString& modulePath, QString& problem) {
    if (!modulePath.isEmpty())
        return loadFactory(modulePath, problem);
    static SoundOutputFactory found = nullptr;
    if (!found)
        found = loadFactory(QString(), problem);
    return found;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::SoundPlayer(const QString& modulePath, QObject* parent)
    : QObject(parent), modulePath_(modulePath) {}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::noDeviceMessage() {
    return tr("No sound device was found, so the curve cannot be played. "
              "Connect speakers or headphones, or write the sound to a file "
              "with \"oltrave sound\".");
}

QString SoundPlayer::loadOutput() {
    if (output_)
        return QString();
    QString problem;
    if (const SoundOutputFactory make = outputFactory(modulePath_, problem))
        output_.reset(make(&SoundPlayer::ended, this));
    if (output_)
        return QString();
    return tr("The sound part of Oltrave could not be loaded, so the curve cannot be "
              "played (%1). Write the sound to a file with \"oltrave sound\" instead.")
        .arg(problem);
}

QString SoundPlayer::play(const sound::Samples& samples) {
    return play(samples, QByteArray());
}

QString SoundPlayer::play(const sound::Samples& samples, const QByteArray& deviceId) {
    stop();
    const QString unloaded = loadOutput();
    if (!unloaded.isEmpty())
        return unloaded;

    // A device starts playing only once it holds enough, and may lose the
    // first moments while it starts: a click alone would never be heard.
    // Silence before and after carries it.
    const int bytesPerMs = sound::kSampleRate / 1000 * sound::kChannels * 2;
    const auto bytes = static_cast<qsizetype>(samples.size() * sizeof(samples[0]));
    QByteArray pcm(kLeadInMs * bytesPerMs, '\0');
    pcm.append(reinterpret_cast<const char*>(samples.data()), bytes);
    if (pcm.size() < kShortestMs * bytesPerMs)
        pcm.append(kShortestMs * bytesPerMs - pcm.size(), '\0');

    const SoundOutput::Started started = output_->start(pcm, deviceId);
    switch (started.outcome) {
    case SoundOutput::Outcome::Playing: playing_ = true; return QString();
    case SoundOutput::Outcome::NoDevice: return noDeviceMessage();
    case SoundOutput::Outcome::FormatRefused:
        return tr("The sound device \"%1\" cannot play 16-bit stereo sound at %2 Hz.")
            .arg(started.device)
            .arg(sound::kSampleRate);
    case SoundOutput::Outcome::OpenFailed: break;
    }
    return tr("The sound device \"%1\" could not be opened.").arg(started.device);
}

void SoundPlayer::ended(void* player) {
    auto* self = static_cast<SoundPlayer*>(player);
    self->playing_ = false;
    emit self->stopped();
}

void SoundPlayer::stop() {
    if (!playing_)
        return;
    output_->stop();
    playing_ = false;
    emit stopped();
}

} // namespace oltrave
