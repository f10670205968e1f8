#pragma once

#include "platform/Services.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

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

// The sound's samples as signed 16-bit mono at `rate` Hz: channels mixed, and
// resampled by linear interpolation, so that every sound fits one output stream.
std::vector<std::int16_t> monoSamples(const Bytes& bytes, const WavInfo& info, int rate);

} // namespace platform
