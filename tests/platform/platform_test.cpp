#include "platform/ClockRandom.h"
#include "platform/SoundFeed.h"
#include "platform/Wav.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;

// A PCM WAVE file around `data`; `size` is the data size its header claims (0: the true one).
platform::Bytes wav(const platform::Bytes& data, std::uint32_t bits = 8, std::uint32_t channels = 1,
                    std::uint32_t rate = 11025, std::uint32_t size = 0, std::uint32_t format = 1) {
    size = size ? size : static_cast<std::uint32_t>(data.size());
    // The header in 32-bit words, least significant byte first: "RIFF", "WAVE", "fmt " and "data" as
    // their four letters.
    const std::uint32_t words[] = {0x46464952,
                                   36 + size,
                                   0x45564157,
                                   0x20746d66,
                                   16,
                                   format | channels << 16,
                                   rate,
                                   rate * channels * bits / 8,
                                   channels * bits / 8 | bits << 16,
                                   0x61746164,
                                   size};
    platform::Bytes b;
    for (const std::uint32_t w : words)
        for (int shift = 0; shift < 32; shift += 8)
            b.push_back(static_cast<std::uint8_t>(w >> shift));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

// Every sound becomes 16-bit mono at the stream's rate; what is not a whole PCM WAVE is refused.
// The samples are worked out by hand: 8-bit (s - 128) * 256, channels averaged, straight lines
// between samples.
TEST(Wav, SamplesAreMixedToMonoAndResampledLinearly) {
    const platform::Bytes ten(10, 128);
    const std::tuple<const char*, platform::Bytes, int, std::optional<Samples>> cases[] = {
        {"8-bit, four times the rate", wav({128, 192, 64}), 44100,
         Samples{0, 4096, 8192, 12288, 16384, 8192, 0, -8192, -16384, -16384, -16384, -16384}},
        {"16-bit stereo, twice the rate", wav({0xE8, 0x03, 0xB8, 0x0B, 0x30, 0xF8, 0x60, 0xF0}, 16, 2, 22050),
         44100, Samples{2000, -500, -3000, -3000}},
        {"half the rate", wav({128, 255, 0, 129}, 8, 1, 88200), 44100, Samples{0, -32768}},
        {"no samples", wav({}), 44100, Samples{}},
        {"nothing", {}, 44100, std::nullopt},
        {"a tag alone", {'R', 'I', 'F', 'F'}, 44100, std::nullopt},
        {"data past the end", wav(ten, 8, 1, 11025, 1000), 44100, std::nullopt},
        {"a size that would overflow", wav(ten, 8, 1, 11025, 0xFFFFFFF0u), 44100, std::nullopt},
        {"12-bit", wav(ten, 12), 44100, std::nullopt},
        {"not PCM", wav(ten, 8, 1, 11025, 0, 3), 44100, std::nullopt},
    };
    for (const auto& [what, bytes, rate, expected] : cases) {
        const auto info = platform::parseWav(bytes);
        EXPECT_EQ(info ? std::optional(platform::monoSamples(bytes, *info, rate)) : std::nullopt, expected)
            << what;
    }
}

// The stream's feed, read as the stream reads it, with 4 samples of silence to idle. Each step: a
// new sound (when not empty), what the next read gives, whether that read says the feed fell
// idle, and idle() after it.
TEST(SoundFeed, GivesTheSoundThenSilenceAndSaysOnceWhenItFallsIdle) {
    const std::tuple<Samples, Samples, bool, bool> steps[] = {
        {{}, {0, 0, 0}, false, false}, // opened silent
        {{}, {0, 0}, true, true},      // and idle after 4 samples
        {{5, 6, 7}, {5, 6}, false, false},
        {{}, {7, 0, 0, 0}, false, false},
        {{}, {0}, true, true},
        {{}, {0, 0}, false, true}, // said once only
        {{1, 2, 3, 4, 5, 6}, {1, 2}, false, false},
        {{8, 9}, {8, 9, 0}, false, false}, // a new sound cuts the old one
    };
    platform::SoundFeed feed(4);
    int row = 0;
    for (const auto& [sound, read, becameIdle, idle] : steps) {
        if (!sound.empty()) feed.start(sound);
        Samples got(read.size(), -1);
        const bool said = feed.read(reinterpret_cast<char*>(got.data()), got.size());
        EXPECT_EQ(std::tuple(got, said, feed.idle()), std::tuple(read, becameIdle, idle)) << "row " << row++;
    }
}

// The real generator reaches both ends of every operand's range, and nothing beyond.
TEST(ClockRandom, DrawsReachBothBoundsAndDifferFromOneMadeLater) {
    platform::ClockRandom caso;
    for (const auto& [lo, hi] : {std::pair{1, 9}, {10, 99}, {100, 999}, {1000, 9999}}) {
        int min = hi, max = lo;
        for (int i = 0; i < 200000 && (min > lo || max < hi); ++i) {
            const int v = caso.between(lo, hi);
            min = std::min(min, v);
            max = std::max(max, v);
        }
        EXPECT_EQ(std::pair(min, max), std::pair(lo, hi));
    }
    // Seeded from the clock: a generator made a few milliseconds later, as by the next start of the
    // program, draws other operands (ten four-digit ones alike by chance once in 9000^10).
    const auto operands = [](platform::ClockRandom& r) {
        std::vector<int> drawn(10);
        for (int& v : drawn)
            v = r.between(1000, 9999);
        return drawn;
    };
    platform::ClockRandom now;
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    platform::ClockRandom later;
    EXPECT_NE(operands(now), operands(later));
}

} // namespace
