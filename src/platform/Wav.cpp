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

std::vector<std::int16_t> monoSamples(const Bytes& b, const WavInfo& info, int rate) {
    const std::size_t width = static_cast<std::size_t>(info.bitsPerSample / 8);
    const std::size_t frameSize = width * static_cast<std::size_t>(info.channels);
    const std::size_t frames = info.dataSize / frameSize;
    std::vector<int> mixed(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < info.channels; ++c) {
            const std::size_t at = info.dataOffset + f * frameSize + static_cast<std::size_t>(c) * width;
            sum += width == 1 ? (b[at] - 128) * 256 : static_cast<std::int16_t>(le16(b, at));
        }
        mixed[f] = sum / info.channels;
    }
    const std::size_t count =
        frames * static_cast<std::size_t>(rate) / static_cast<std::size_t>(info.sampleRate);
    std::vector<std::int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Where output sample i falls among the input frames, in whole frames and a fraction.
        const std::uint64_t scaled =
            static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(info.sampleRate);
        const std::size_t at = scaled / static_cast<std::uint64_t>(rate);
        const double frac = static_cast<double>(scaled % static_cast<std::uint64_t>(rate)) / rate;
        const int a = mixed[at];
        const int next = at + 1 < frames ? mixed[at + 1] : a;
        out[i] = static_cast<std::int16_t>(a + (next - a) * frac);
    }
    return out;
}

} // namespace platform
