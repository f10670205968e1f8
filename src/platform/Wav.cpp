#include "platform/Wav.h"

#include <cstring>

namespace platform {

namespace {

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t le16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool tagIs(const Bytes& b, std::size_t at, const char* tag) {
    return std::memcmp(&b[at], tag, 4) == 0;
}

} // namespace

std::optional<WavInfo> parseWav(const Bytes& b) {
    if (b.size() < 12 || !tagIs(b, 0, "RIFF") || !tagIs(b, 8, "WAVE")) return std::nullopt;
    WavInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::size_t size = le32(b, at + 4);
        const std::size_t body = at + 8;
        if (size > b.size() - body) return std::nullopt;
        if (tagIs(b, at, "fmt ")) {
            if (size < 16 || le16(b, body) != 1) return std::nullopt; // PCM only
            info.channels = le16(b, body + 2);
            info.sampleRate = static_cast<int>(le32(b, body + 4));
            info.bitsPerSample = le16(b, body + 14);
            haveFormat = true;
        } else if (tagIs(b, at, "data")) {
            if (!haveFormat || info.channels < 1 || info.sampleRate < 1) return std::nullopt;
            if (info.bitsPerSample != 8 && info.bitsPerSample != 16) return std::nullopt;
            info.dataOffset = body;
            info.dataSize = size;
            return info;
        }
        at = body + size + (size & 1); // chunks are padded to an even size
    }
    return std::nullopt;
}

} // namespace platform
