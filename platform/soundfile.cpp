#include "soundfile.h"

#include <QIODevice>

#include "savefile.h"
#include "sound/wav.h"

namespace oltrave {

QString saveSoundFile(const QString& path, const sound::Samples& samples) {
    const std::vector<std::uint8_t> bytes = sound::wavFile(samples);
    // A short write leaves the reason to the writer, which asks the system.
    return saveFile(path, [&bytes](QIODevice& device, QString&) {
        const auto size = static_cast<qint64>(bytes.size());
        return device.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    });
}

} // namespace oltrave
