// SPDX-License-Identifier: GPL-3.0-or-later
// The finishing of every sound, and reading WAVs back (the speech synthesizer's output
// passes through that reader).
#include "tools/sound_synth.h"
#include "tools/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

TEST(FinishSound, TrimsSilenceSetsTheLoudnessFadesAndKeepsTheLengthWithinLimits) {
    const struct {
        double before, seconds, after;  // silence, a tone, silence
        float level;
        double finalSeconds;
        float peak;  // the loudest sample, within tolerance
        float tolerance;
    } cases[] = {{0.5, 0.4, 0.7, 0.05f, 0.4, assets::targetPeak, 1e-3f},
                 {0, 5.0, 0, 0.5f, assets::longestSound, assets::targetPeak, 1e-3f},
                 {0, 0.001, 0, 1.0f, assets::shortestSound, 0.45f, 0.45f},  // never clipping
                 {0, 0, 0, 0, assets::shortestSound, 0.0f, 0.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        assets::Sound s;
        s.samples.assign(std::size_t((c.before + c.seconds + c.after) * s.sampleRate), 0.0f);
        for (std::size_t i = 0; i < std::size_t(c.seconds * s.sampleRate); ++i)
            s.samples[std::size_t(c.before * s.sampleRate) + i] =
                c.level * float(std::sin(i * 0.1));
        assets::finishSound(s);
        ASSERT_NEAR(s.seconds(), c.finalSeconds, 0.02);
        const auto [low, high] = std::minmax_element(s.samples.begin(), s.samples.end());
        EXPECT_NEAR(std::max(*high, -*low), c.peak, c.tolerance);
        EXPECT_EQ(s.samples.front(), 0.0f) << "a click at the start";
        EXPECT_LT(std::fabs(s.samples.back()), 0.01f) << "a click at the end";
    }
}

TEST(WavFile, ReadsOurOwnAndRefusesBrokenFiles) {
    const std::vector<uint8_t> good =
        assets::encodeWav16(assets::Sound{22050, {0.0f, 0.5f, -0.5f}});
    EXPECT_TRUE(assets::decodeWav(good));
    const struct {
        std::size_t at;  // where the bytes go, or the length to cut the file to
        std::string bytes;
    } breaks[] = {{0, ""},      {30, ""},
                  {8, "AVI "},  {20, "\3"} /* not PCM */,
                  {22, {'\0'}}, /* no channels */ {16, "\xf0\xff\xff\xff"},
                  {12, "data"}};
    for (const auto& b : breaks) {
        std::vector<uint8_t> broken = good;
        if (b.bytes.empty())
            broken.resize(b.at);
        std::copy(b.bytes.begin(), b.bytes.end(), broken.begin() + b.at);
        EXPECT_FALSE(assets::decodeWav(broken)) << b.at << " " << b.bytes;
    }
}

}  // namespace
