#pragma once

#include <cstdint>
#include <vector>

#include "sweep.h"

namespace oltrave::sound {

// A complete WAV file (RIFF, PCM, 16-bit, stereo, kSampleRate) holding the samples.
std::vector<std::uint8_t> wavFile(const Samples& samples);

} // namespace oltrave::sound
