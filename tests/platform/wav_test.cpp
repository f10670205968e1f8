#include "platform/Wav.h"

#include <gtest/gtest.h>

namespace {

platform::Bytes wav(std::uint32_t dataSize, std::size_t actualData, std::uint16_t bits = 8) {
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
    tag("RIFF");
    u32(36 + dataSize);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(11025);
    u32(11025);
    u16(1);
    u16(bits);
    tag("data");
    u32(dataSize);
    b.insert(b.end(), actualData, 128);
    return b;
}

TEST(Wav, ReadsTheFormatAndFindsTheSamples) {
    const auto info = platform::parseWav(wav(100, 100));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->sampleRate, 11025);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->bitsPerSample, 8);
    EXPECT_EQ(info->dataOffset, 44u);
    EXPECT_EQ(info->dataSize, 100u);
}

TEST(Wav, RefusesWhatIsNotAWholePcmWave) {
    EXPECT_FALSE(platform::parseWav({}));
    EXPECT_FALSE(platform::parseWav({'R', 'I', 'F', 'F'}));
    EXPECT_FALSE(platform::parseWav(wav(1000, 10)));        // data runs past the end
    EXPECT_FALSE(platform::parseWav(wav(0xFFFFFFF0u, 10))); // size that would overflow
    EXPECT_FALSE(platform::parseWav(wav(10, 10, 12)));      // odd sample width
    auto b = wav(10, 10);
    b[20] = 3; // not PCM
    EXPECT_FALSE(platform::parseWav(b));
}

} // namespace
