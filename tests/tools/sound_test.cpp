// The finishing of every sound, the stand-ins used without speech, and reading WAVs back
// (the speech synthesizer's output passes through that reader).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "resources/asset_catalog.h"
#include "tests/tools/test_support.h"
#include "tools/sound_assets.h"
#include "tools/sound_synth.h"
#include "tools/speech.h"
#include "tools/wav_file.h"

namespace {

using assets::Sound;

float peakOf(const Sound& s) {
    float peak = 0;
    for (float v : s.samples)
        peak = std::max(peak, std::fabs(v));
    return peak;
}

Sound tone(double silenceBefore, double seconds, double silenceAfter, float level) {
    Sound s;
    s.samples.assign(size_t(silenceBefore * s.sampleRate), 0.0f);
    for (size_t i = 0; i < size_t(seconds * s.sampleRate); ++i)
        s.samples.push_back(level * float(std::sin(double(i) * 0.1)));
    s.samples.resize(s.samples.size() + size_t(silenceAfter * s.sampleRate), 0.0f);
    return s;
}

TEST(FinishSound, TrimsSilenceSetsTheLoudnessFadesAndKeepsTheLengthWithinLimits) {
    const double shortest = assets::shortestSound, longest = assets::longestSound;
    struct Case {
        const char* what;
        Sound sound;
        double minSeconds, maxSeconds;
        float peak;  // below zero: any level short of clipping
    } cases[] = {
        {"quiet, padded with silence", tone(0.5, 0.4, 0.7, 0.05f), 0.4, 0.5, assets::targetPeak},
        {"too long", tone(0, 5.0, 0, 0.5f), shortest, longest, assets::targetPeak},
        {"a click", tone(0, 0.001, 0, 1.0f), shortest, longest, -1.0f},
        {"empty", Sound{}, shortest, longest, 0.0f},
    };
    for (Case& c : cases) {
        assets::finishSound(c.sound);
        EXPECT_GE(c.sound.seconds(), c.minSeconds) << c.what;
        EXPECT_LE(c.sound.seconds(), c.maxSeconds) << c.what;
        if (c.peak >= 0)
            EXPECT_NEAR(peakOf(c.sound), c.peak, 1e-3) << c.what;
        else
            EXPECT_LE(peakOf(c.sound), assets::targetPeak + 1e-3) << c.what;
        ASSERT_FALSE(c.sound.samples.empty()) << c.what;
        EXPECT_NEAR(c.sound.samples.front(), 0.0f, 1e-6) << c.what << ": a click at the start";
        EXPECT_LT(std::fabs(c.sound.samples.back()), 0.01f) << c.what << ": a click at the end";
    }
}

// Without espeak-ng on the path every taunt still gets a sound, and no scratch file is left.
TEST(SpokenTaunts, FallBackToSynthesisWhenTheSpeechProgramIsMissing) {
    tooltest::ScratchDir dir;
    const char* oldPath = std::getenv("PATH");
    const std::string saved = oldPath != nullptr ? oldPath : "";
    setenv("PATH", dir.path().c_str(), 1);
    const auto spoken = assets::speak("hello", {"en-us", 50, 175}, dir.file("scratch.wav"));
    const auto sounds = assets::makeAllSounds(true, dir.path());
    setenv("PATH", saved.c_str(), 1);
    EXPECT_FALSE(spoken);
    ASSERT_EQ(sounds.size(), 1 + std::size(shippedTauntFiles));
    for (const auto& taunt : sounds)
        EXPECT_TRUE(!taunt.spoken && peakOf(taunt.sound) > 0.5f) << taunt.file;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "scratch files left behind";
}

TEST(WavFile, RoundTripKeepsRateAndSamplesAndClipsOverloads) {
    Sound sound;
    sound.sampleRate = 16000;
    sound.samples = {0.0f, 0.5f, -0.5f, 3.0f, -3.0f};
    const auto decoded = assets::decodeWav(assets::encodeWav16(sound));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sampleRate, 16000);
    const std::vector<float> expected{0.0f, 0.5f, -0.5f, 1.0f, -1.0f};  // clipped, not wrapped
    ASSERT_EQ(decoded->samples.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(decoded->samples[i], expected[i], 1e-4) << i;
}

TEST(WavFile, RefusesBrokenFiles) {
    Sound sound;
    sound.samples = {0.1f, 0.2f};
    const std::vector<uint8_t> good = assets::encodeWav16(sound);
    EXPECT_FALSE(assets::decodeWav({}));
    EXPECT_FALSE(assets::decodeWav(std::vector<uint8_t>(good.begin(), good.begin() + 30)));
    const struct {
        const char* what;
        size_t at;
        std::string bytes;
    } breaks[] = {{"not WAVE", 8, "AVI "},
                  {"IEEE float, not PCM", 20, "\3"},
                  {"no channels", 22, std::string(1, '\0')},
                  {"fmt size far past the end", 16, "\xf0\xff\xff\xff"},
                  {"data before fmt", 12, "data"}};
    for (const auto& b : breaks) {
        std::vector<uint8_t> broken = good;
        std::copy(b.bytes.begin(), b.bytes.end(), broken.begin() + b.at);
        EXPECT_FALSE(assets::decodeWav(broken)) << b.what;
    }
}

}  // namespace
