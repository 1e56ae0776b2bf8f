#include "soundfile.h"

#include <QIODevice>

#include "savefile.h"
#include "sound/wav.h"

namespace oltrave {

QString saveSoundFile(const QString& path, const sound::Samples& samples) {
    const std::vector<std::uint8_t> bytes = sound::wavFile(samples);
    return saveFile(path, [&bytes](QIODevice& device, QString& error) {
        const auto size = static_cast<qint64>(bytes.size());
        if (device.write(reinterpret_cast<const char*>(bytes.data()), size) == size)
            return true;
        error = device.errorString();
        return false;
    });
}

} // namespace oltrave
