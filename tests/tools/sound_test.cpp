// The finishing of every sound, and the stand-ins used when speech is unavailable.
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

namespace {

using assets::Sound;

float peakOf(const Sound& s) {
    float peak = 0;
    for (float v : s.samples) {
        peak = std::max(peak, std::fabs(v));
    }
    return peak;
}

double rmsOf(const Sound& s, double fromSecond, double toSecond) {
    const size_t a = size_t(fromSecond * s.sampleRate);
    const size_t b = std::min(s.samples.size(), size_t(toSecond * s.sampleRate));
    double sum = 0;
    for (size_t i = a; i < b; ++i) {
        sum += double(s.samples[i]) * s.samples[i];
    }
    return b > a ? std::sqrt(sum / double(b - a)) : 0.0;
}

Sound tone(double silenceBefore, double seconds, double silenceAfter, float level) {
    Sound s;
    s.samples.assign(size_t(silenceBefore * s.sampleRate), 0.0f);
    for (size_t i = 0; i < size_t(seconds * s.sampleRate); ++i) {
        s.samples.push_back(level * float(std::sin(double(i) * 0.1)));
    }
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
        {"overloaded", tone(0, 0.3, 0, 4.0f), shortest, longest, assets::targetPeak},
        {"too long", tone(0, 5.0, 0, 0.5f), shortest, longest, assets::targetPeak},
        {"a click", tone(0, 0.001, 0, 1.0f), shortest, longest, -1.0f},
        {"silent", tone(0, 0, 0.01, 0.0f), shortest, longest, 0.0f},
        {"empty", Sound{}, shortest, longest, 0.0f},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        assets::finishSound(c.sound);
        EXPECT_GE(c.sound.seconds(), c.minSeconds);
        EXPECT_LE(c.sound.seconds(), c.maxSeconds);
        if (c.peak >= 0) {
            EXPECT_NEAR(peakOf(c.sound), c.peak, 1e-3);
        } else {
            EXPECT_LE(peakOf(c.sound), assets::targetPeak + 1e-3);
        }
        ASSERT_FALSE(c.sound.samples.empty());
        EXPECT_NEAR(c.sound.samples.front(), 0.0f, 1e-6) << "no click at the start";
        EXPECT_LT(std::fabs(c.sound.samples.back()), 0.01f) << "no click at the end";
    }
}

TEST(SynthesizedSounds, CannonIsPunchyAndStandInsStayShort) {
    const Sound cannon = assets::makeCannonShot();
    EXPECT_GT(rmsOf(cannon, 0.0, 0.2), 3 * rmsOf(cannon, 0.7, 1.2));  // loud at once, then dies

    for (int syllables : {0, 1, 5, 100}) {
        const Sound babble = assets::makeBabble(syllables, 3);
        EXPECT_GE(babble.seconds(), assets::shortestSound);
        EXPECT_LE(babble.seconds(), assets::longestSound);
        EXPECT_NEAR(peakOf(babble), assets::targetPeak, 1e-3);
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
    for (const auto& taunt : sounds) {
        EXPECT_FALSE(taunt.spoken) << taunt.file;
        EXPECT_GT(peakOf(taunt.sound), 0.5f) << taunt.file;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "scratch files left behind";
}

}  // namespace
