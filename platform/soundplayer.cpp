#include "soundplayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "sound/mapping.h"

namespace oltrave {

namespace {

QAudioFormat sampleFormat() {
    QAudioFormat format;
    format.setSampleRate(sound::kSampleRate);
    format.setChannelCount(sound::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    drain_.setSingleShot(true);
    connect(&drain_, &QTimer::timeout, this, &SoundPlayer::stop);
}

SoundPlayer::~SoundPlayer() {
    release();
}

QString SoundPlayer::noDeviceMessage() {
    return tr("No sound device was found, so the curve cannot be played. "
              "Connect speakers or headphones, or write the sound to a file "
              "with \"oltrave sound\".");
}

QString SoundPlayer::play(const sound::Samples& samples) {
    return play(samples, QMediaDevices::defaultAudioOutput());
}

QString SoundPlayer::play(const sound::Samples& samples, const QAudioDevice& device) {
    stop();
    if (device.isNull())
        return noDeviceMessage();
    const QAudioFormat format = sampleFormat();
    if (!device.isFormatSupported(format))
        return tr("The sound device \"%1\" cannot play 16-bit stereo sound at %2 Hz.")
            .arg(device.description())
            .arg(sound::kSampleRate);

    // A device starts playing only once it holds enough, and may lose the
    // first moments while it starts: a click alone would never be heard.
    // Silence before and after carries it.
    const int bytesPerMs = sound::kSampleRate / 1000 * sound::kChannels * 2;
    const auto bytes = static_cast<qsizetype>(samples.size() * sizeof(samples[0]));
    pcm_ = QByteArray(kLeadInMs * bytesPerMs, '\0');
    pcm_.append(reinterpret_cast<const char*>(samples.data()), bytes);
    if (pcm_.size() < kShortestMs * bytesPerMs)
        pcm_.append(kShortestMs * bytesPerMs - pcm_.size(), '\0');
    buffer_.setBuffer(&pcm_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState) // the device went away
            stop();
        else if (state == QAudio::IdleState)
            finishLater();
    });
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        release();
        return tr("The sound device \"%1\" could not be opened.").arg(device.description());
    }
    return QString();
}

// Idle means every sample has been handed to the device, not that it has been
// heard: stopping now would cut off what the device still holds.
void SoundPlayer::finishLater() {
    const qsizetype held = sink_->bufferSize() - sink_->bytesFree();
    const qint64 bytesPerSecond = sound::kSampleRate * sound::kChannels * 2;
    const int ms = static_cast<int>(held * 1000 / bytesPerSecond) + kDrainMarginMs;
    drain_.start(ms);
}

void SoundPlayer::stop() {
    if (!sink_)
        return;
    release();
    emit stopped();
}

void SoundPlayer::release() {
    drain_.stop();
    if (sink_) {
        // Disconnect first: stopping the sink reports a state change of its own.
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
    pcm_.clear();
}

} // namespace oltrave
