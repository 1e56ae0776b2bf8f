// The sound device through Qt Multimedia, built as the module oltrave-sound.so.
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <memory>

#include "moduleversion.h"
#include "platform/soundoutput.h"
#include "sound/mapping.h"

namespace oltrave {

namespace {

constexpr int kBytesPerFrame = sound::kChannels * 2;
constexpr int kDrainMarginMs = 50;

QAudioFormat sampleFormat() {
    QAudioFormat format;
    format.setSampleRate(sound::kSampleRate);
    format.setChannelCount(sound::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QAudioDevice outputNamed(const QByteArray& id) {
    if (id.isEmpty())
        return QMediaDevices::defaultAudioOutput();
    for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
        if (device.id() == id)
            return device;
    }
    return QAudioDevice();
}

class SinkOutput final : public SoundOutput {
public:
    SinkOutput(Ended ended, void* context) : ended_(ended), context_(context) {
        drain_.setSingleShot(true);
        QObject::connect(&drain_, &QTimer::timeout, &drain_, [this] { end(); });
    }
    ~SinkOutput() override { release(); }

    Started start(const QByteArray& pcm, const QByteArray& deviceId) override {
        release();
        const QAudioDevice device = outputNamed(deviceId);
        if (device.isNull())
            return {Outcome::NoDevice, {}};
        const QAudioFormat format = sampleFormat();
        if (!device.isFormatSupported(format))
            return {Outcome::FormatRefused, device.description()};
        pcm_ = pcm;
        buffer_.setBuffer(&pcm_);
        buffer_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, format);
        QObject::connect(sink_.get(), &QAudioSink::stateChanged, &drain_,
                         [this](QAudio::State state) {
                             if (state == QAudio::StoppedState) // the device went away
                                 end();
                             else if (state == QAudio::IdleState)
                                 finishLater();
                         });
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError) {
            release();
            return {Outcome::OpenFailed, device.description()};
        }
        return {Outcome::Playing, device.description()};
    }

    void stop() override { release(); }

private:
    // Idle means every sample has been handed to the device, not that it has
    // been heard: stopping now would cut off what the device still holds.
    void finishLater() {
        const qsizetype held = sink_->bufferSize() - sink_->bytesFree();
        const qint64 bytesPerSecond = qint64{sound::kSampleRate} * kBytesPerFrame;
        drain_.start(static_cast<int>(held * 1000 / bytesPerSecond) + kDrainMarginMs);
    }

    void end() {
        if (!sink_)
            return;
        release();
        ended_(context_);
    }

    void release() {
        drain_.stop();
        if (sink_) {
            // Disconnect first: stopping the sink reports a state change of its own.
            sink_->disconnect(&drain_);
            sink_->stop();
            sink_.reset();
        }
        buffer_.close();
        pcm_.clear();
    }

    Ended ended_;
    void* context_;
    std::unique_ptr<QAudioSink> sink_;
    QByteArray pcm_;
    QBuffer buffer_;
    QTimer drain_;
};

} // namespace

} // namespace oltrave

namespace {

oltrave::SoundOutput* makeOutput(oltrave::SoundOutput::Ended ended, void* context) {
    return new oltrave::SinkOutput(ended, context);
}

const oltrave::SoundModuleTable kTable{makeOutput};

} // namespace

extern "C" __attribute__((visibility("default")))
const oltrave::ModuleEntry oltrave_module{oltrave::kModuleStamp, &kTable};
