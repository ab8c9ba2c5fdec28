// Reading WAVs back: the speech synthesizer's output passes through this reader, so it must
// take odd but valid files and refuse broken ones without reading past the bytes it has.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tools/wav_file.h"

namespace {

using assets::decodeWav;
using assets::encodeWav16;
using assets::Sound;

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
    // The last frame of the samples is incomplete.
    const std::string file("RIFF\0\0\0\0WAVE"
                           "LIST\3\0\0\0abc\0"
                           "fmt \x10\0\0\0\x01\0\x02\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x08\0"
                           "data\xff\xff\xff\x7f"
                           "\xff\xff\0\0\x80\x80\xc8",
                           63);
    const std::vector<uint8_t> bytes(file.begin(), file.end());
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
    EXPECT_FALSE(decodeWav({'R', 'I', 'F', 'F'}));
    EXPECT_FALSE(decodeWav(std::vector<uint8_t>(good.begin(), good.begin() + 30)));  // cut in fmt
    const struct {
        const char* what;
        size_t at;
        std::string bytes;
    } breaks[] = {{"not WAVE", 8, "AVI "},
                  {"IEEE float, not PCM", 20, "\3"},
                  {"no channels", 22, std::string(1, '\0')},
                  {"fmt size far past the end", 16, "\xf0\xff\xff\xff"},
                  {"data before fmt: nothing to read it with", 12, "data"}};
    for (const auto& b : breaks) {
        std::vector<uint8_t> broken = good;
        std::copy(b.bytes.begin(), b.bytes.end(), broken.begin() + b.at);
        EXPECT_FALSE(decodeWav(broken)) << b.what;
    }
}

}  // namespace
