#include "wav.h"

#include "mapping.h"

namespace oltrave::sound {

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint32_t kFormatChunkBytes = 16;

// RIFF numbers are little-endian whatever the machine.
void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Byte by byte: GCC 12 warns (wrongly) of an overflow on a ranged insert here.
void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> wavFile(const Samples& samples) {
    const std::uint16_t blockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    put32(out, kHeaderBytes - 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, kFormatChunkBytes);
    put16(out, kPcmFormat);
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, kBitsPerSample);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace oltrave::sound
