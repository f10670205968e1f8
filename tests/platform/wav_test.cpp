#include "platform/SoundFeed.h"
#include "platform/Wav.h"

#include <gtest/gtest.h>

namespace {

using Samples = std::vector<std::int16_t>;

// A PCM WAVE file around `data`; `declared` is the data size its header claims.
platform::Bytes wav(const platform::Bytes& data, std::uint16_t bits = 8, std::uint16_t channels = 1,
                    std::uint32_t rate = 11025, std::uint32_t declared = 0) {
    platform::Bytes b;
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(t[i]));
    };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const std::uint32_t size = declared ? declared : static_cast<std::uint32_t>(data.size());
    tag("RIFF");
    u32(36 + size);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);
    u16(channels);
    u32(rate);
    u32(rate * channels * bits / 8);
    u16(static_cast<std::uint16_t>(channels * bits / 8));
    u16(bits);
    tag("data");
    u32(size);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

TEST(Wav, ReadsTheFormatAndFindsTheSamples) {
    const auto info = platform::parseWav(wav(platform::Bytes(100, 128)));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->sampleRate, 11025);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->bitsPerSample, 8);
    EXPECT_EQ(info->dataOffset, 44u);
    EXPECT_EQ(info->dataSize, 100u);
}

TEST(Wav, RefusesWhatIsNotAWholePcmWave) {
    const platform::Bytes ten(10, 128);
    EXPECT_FALSE(platform::parseWav({}));
    EXPECT_FALSE(platform::parseWav({'R', 'I', 'F', 'F'}));
    EXPECT_FALSE(platform::parseWav(wav(ten, 8, 1, 11025, 1000)));        // data runs past the end
    EXPECT_FALSE(platform::parseWav(wav(ten, 8, 1, 11025, 0xFFFFFFF0u))); // size that would overflow
    EXPECT_FALSE(platform::parseWav(wav(ten, 12)));                       // odd sample width
    auto b = wav(ten);
    b[20] = 3; // not PCM
    EXPECT_FALSE(platform::parseWav(b));
}

// Every sound becomes 16-bit mono at the stream's rate; the expected samples are worked
// out by hand: 8-bit (s - 128) * 256, channels averaged, straight lines between samples.
TEST(Wav, SamplesAreMixedToMonoAndResampledLinearly) {
    struct Case {
        const char* what;
        platform::Bytes wave;
        int rate;
        Samples expected;
    };
    const Case cases[] = {
        {"8-bit, four times the rate",
         wav({128, 192, 64}, 8, 1, 11025),
         44100,
         {0, 4096, 8192, 12288, 16384, 8192, 0, -8192, -16384, -16384, -16384, -16384}},
        {"16-bit stereo, twice the rate",
         wav({0xE8, 0x03, 0xB8, 0x0B, 0x30, 0xF8, 0x60, 0xF0}, 16, 2, 22050),
         44100,
         {2000, -500, -3000, -3000}},
        {"half the rate", wav({128, 255, 0, 129}, 8, 1, 88200), 44100, {0, -32768}},
        {"no samples", wav({}, 8, 1, 11025), 44100, {}},
    };
    for (const Case& c : cases) {
        const auto info = platform::parseWav(c.wave);
        ASSERT_TRUE(info) << c.what;
        EXPECT_EQ(platform::monoSamples(c.wave, *info, c.rate), c.expected) << c.what;
    }
}

// The stream's feed, read as the stream reads it, with 4 samples of silence to idle.
TEST(SoundFeed, GivesTheSoundThenSilenceAndSaysOnceWhenItFallsIdle) {
    struct Step {
        Samples start;   // a new sound, when not empty
        Samples read;    // what the next read gives
        bool becameIdle; // what that read says
        bool idle;       // and idle() after it
    };
    const Step steps[] = {
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
    for (const Step& s : steps) {
        if (!s.start.empty()) feed.start(s.start);
        Samples got(s.read.size(), -1);
        EXPECT_EQ(feed.read(got.data(), got.size()), s.becameIdle) << "row " << row;
        EXPECT_EQ(got, s.read) << "row " << row;
        EXPECT_EQ(feed.idle(), s.idle) << "row " << row;
        ++row;
    }
}

} // namespace
