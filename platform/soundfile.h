#pragma once

#include <QString>

#include "sound/sweep.h"

namespace oltrave {

// Writes the samples as a WAV file through the program's one file writer.
// Returns an empty string on success, otherwise the reason.
QString saveSoundFile(const QString& path, const sound::Samples& samples);

} // namespace oltrave
