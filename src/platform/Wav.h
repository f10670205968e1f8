#pragma once

#include "platform/Services.h"

#include <cstddef>
#include <optional>

namespace platform {

// The parts of a RIFF WAVE file a player needs.
struct WavInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

// Reads the header of a PCM WAVE file; nothing when the bytes are not one.
std::optional<WavInfo> parseWav(const Bytes& bytes);

} // namespace platform
