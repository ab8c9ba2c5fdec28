// Reading WAVs back: the speech synthesizer's output passes through this reader, so it must
// take odd but valid files and refuse broken ones without reading past the bytes it has.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tools/wav_file.h"

namespace {

using assets::decodeWav;
using assets::encodeWav16;
using assets::Sound;

std::vector<uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = uint8_t(v >> (8 * i));
    }
}

TEST(WavFile, RoundTripKeepsRateAndSamplesAndClipsOverloads) {
    Sound sound;
    sound.sampleRate = 16000;
    sound.samples = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 3.0f, -3.0f};
    const auto decoded = decodeWav(encodeWav16(sound));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 16000);
    ASSERT_EQ(decoded->samples.size(), sound.samples.size());
    EXPECT_NEAR(decoded->samples[1], 0.5f, 1e-4);
    EXPECT_NEAR(decoded->samples[2], -0.5f, 1e-4);
    EXPECT_NEAR(decoded->samples[5], 1.0f, 1e-4);  // clipped, not wrapped round
    EXPECT_NEAR(decoded->samples[6], -1.0f, 1e-4);
}

TEST(WavFile, AcceptsExtraChunksStereoEightBitAndAnUnsetDataSize) {
    // RIFF header, an odd-sized LIST chunk (padded), fmt for 8-bit stereo, data with the
    // size left at the streaming placeholder.
    std::vector<uint8_t> bytes = bytesOf(std::string("RIFF\0\0\0\0WAVE", 12));
    const std::string list("LIST\3\0\0\0abc\0", 12);
    bytes.insert(bytes.end(), list.begin(), list.end());
    const std::string fmt("fmt \x10\0\0\0\x01\0\x02\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x08\0", 24);
    bytes.insert(bytes.end(), fmt.begin(), fmt.end());
    const std::string data("data\xff\xff\xff\x7f", 8);
    bytes.insert(bytes.end(), data.begin(), data.end());
    for (uint8_t v : {255, 255, 0, 0, 128, 128, 200}) {  // the last frame is incomplete
        bytes.push_back(v);
    }
    const auto decoded = decodeWav(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 8000);
    ASSERT_EQ(decoded->samples.size(), 3u);
    EXPECT_GT(decoded->samples[0], 0.95f);
    EXPECT_LT(decoded->samples[1], -0.95f);
    EXPECT_NEAR(decoded->samples[2], 0.0f, 1e-6);
}

TEST(WavFile, RefusesBrokenFiles) {
    Sound sound;
    sound.samples = {0.1f, 0.2f};
    const std::vector<uint8_t> good = encodeWav16(sound);

    EXPECT_FALSE(decodeWav({}));
    EXPECT_FALSE(decodeWav(bytesOf("RIFF")));
    EXPECT_FALSE(decodeWav(std::vector<uint8_t>(good.begin(), good.begin() + 30)));  // cut in fmt

    auto notWave = good;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_FALSE(decodeWav(notWave));

    auto compressed = good;
    compressed[20] = 3;  // IEEE float, not PCM
    EXPECT_FALSE(decodeWav(compressed));

    auto noChannels = good;
    noChannels[22] = 0;
    EXPECT_FALSE(decodeWav(noChannels));

    auto hugeFmt = good;
    put32(hugeFmt, 16, 0xFFFFFFF0u);  // a chunk size far past the end of the file
    EXPECT_FALSE(decodeWav(hugeFmt));

    auto dataFirst = good;  // data before fmt: nothing to interpret it with
    std::memcpy(dataFirst.data() + 12, "data", 4);
    EXPECT_FALSE(decodeWav(dataFirst));
}

}  // namespace
